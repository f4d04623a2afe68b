#!/bin/sh
# Makes the import section of a linked PE image writable again: binutils 2.44 (Debian 13) marks .idata
# read-only, but the delay-load helper writes each delay-loaded function's address into its slot
# there at the first call, which then faults (on Windows as under Wine). Binutils 2.40 (Debian 12)
# leaves the section writable; there this changes no byte. A changed image gets its checksum again,
# which the linker wrote and which signing tools check and rewrite.
set -eu
exe=$1
u32() { od -An -tu4 -j "$1" -N4 "$exe" | tr -d ' '; }
u16() { od -An -tu2 -j "$1" -N2 "$exe" | tr -d ' '; }
put32() {
  # shellcheck disable=SC2059
  printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $(($2 & 255)) $(($2 >> 8 & 255)) $(($2 >> 16 & 255)) $(($2 >> 24 & 255)))" |
    dd of="$exe" bs=1 seek="$1" conv=notrunc 2>/dev/null
}
# The PE checksum: the file's 16-bit words summed with end-around carry, its own field left out, plus
# the file's length.
checksum() {
  od -An -tu2 -v "$exe" | awk -v skip=$(($1 / 2)) -v size="$(stat -c %s "$exe")" '
    { for (i = 1; i <= NF; i++) { if (n != skip && n != skip + 1) sum += $i; n++ } }
    END { while (sum > 65535) sum = sum % 65536 + int(sum / 65536); printf "%d", sum + size }'
}
pe=$(u32 60)
sections=$(u16 $((pe + 6)))
table=$((pe + 24 + $(u16 $((pe + 20)))))
write=2147483648  # IMAGE_SCN_MEM_WRITE
changed=
i=0
while [ "$i" -lt "$sections" ]; do
  at=$((table + 40 * i))
  if [ "$(dd if="$exe" bs=1 skip="$at" count=8 2>/dev/null | tr -d '\000')" = .idata ]; then
    flags=$(u32 $((at + 36)))
    if [ $((flags & write)) -eq 0 ]; then
      put32 $((at + 36)) $((flags | write))
      changed=1
    fi
  fi
  i=$((i + 1))
done
if [ -n "${changed:-}" ] && [ "$(u32 $((pe + 88)))" != 0 ]; then put32 $((pe + 88)) "$(checksum $((pe + 88)))"; fi
