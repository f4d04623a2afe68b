#!/bin/sh
# Makes the import section of a linked PE image writable again: binutils 2.44 (Debian 13) marks .idata
# read-only, but the delay-load helper writes each delay-loaded function's address into its slot
# there at the first call, which then faults (on Windows as under Wine). Binutils 2.40 (Debian 12)
# leaves the section writable; there this changes no byte.
set -eu
exe=$1
u32() { od -An -tu4 -j "$1" -N4 "$exe" | tr -d ' '; }
u16() { od -An -tu2 -j "$1" -N2 "$exe" | tr -d ' '; }
pe=$(u32 60)
sections=$(u16 $((pe + 6)))
table=$((pe + 24 + $(u16 $((pe + 20)))))
write=2147483648  # IMAGE_SCN_MEM_WRITE
i=0
while [ "$i" -lt "$sections" ]; do
  at=$((table + 40 * i))
  if [ "$(dd if="$exe" bs=1 skip="$at" count=8 2>/dev/null | tr -d '\000')" = .idata ]; then
    flags=$(u32 $((at + 36)))
    if [ $((flags & write)) -eq 0 ]; then
      flags=$((flags | write))
      bytes=$(printf '\\%03o\\%03o\\%03o\\%03o' $((flags & 255)) $((flags >> 8 & 255)) $((flags >> 16 & 255)) \
        $((flags >> 24 & 255)))
      # shellcheck disable=SC2059
      printf "$bytes" | dd of="$exe" bs=1 seek=$((at + 36)) conv=notrunc 2>/dev/null
    fi
  fi
  i=$((i + 1))
done
