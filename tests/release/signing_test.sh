#!/usr/bin/env bash
# Signs the release with a throwaway self-signed certificate, and checks it as scripts/package does, from outside.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd) work=$(mktemp -d) zip=dist/tamarak-3.0.0-x64.zip
trap 'cd "$repo" && rm -rf "$work" && scripts/package >/dev/null' EXIT  # the unsigned zip back in dist/
cd "$work"
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 1 -subj "/CN=Tamarak test" \
  -addext extendedKeyUsage=codeSigning 2>/dev/null
head -c 24 /dev/urandom | base64 >password
openssl pkcs12 -export -inkey key.pem -in cert.pem -out cert.p12 -passout file:password
"$repo/scripts/package" >/dev/null
unzip -q "$repo/$zip" -d unsigned
"$repo/scripts/package" --pkcs12 cert.p12 --password-file password --ca-file cert.pem
unzip -q "$repo/$zip" -d signed
for f in tamarak.exe "ss/Tamarak's SS.scr"; do
  osslsigncode verify -CAfile cert.pem -in "signed/$f" | grep -q '^Signature verification: ok'
  osslsigncode remove-signature -in "signed/$f" -out "${f#ss/}.stripped" >/dev/null
  cmp "${f#ss/}.stripped" "unsigned/$f" && ! cmp -s "signed/$f" "unsigned/$f" || exit 1
done
echo "signing test: passed"
