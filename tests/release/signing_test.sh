#!/usr/bin/env bash
# Signs the release with a throwaway self-signed certificate, and checks it as scripts/package does, from outside.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd) work=$(mktemp -d) zip=dist/tamarak-3.0.0-x64.zip
cd "$work"
# A time stamp server of our own, answering each RFC 3161 query with openssl ts from a throwaway TSA certificate.
python3 -c 'import http.server as h, subprocess
class Stamp(h.BaseHTTPRequestHandler):
    def do_POST(self):
        reply = subprocess.run(["openssl", "ts", "-reply", "-config", "tsa.cnf", "-queryfile", "/dev/stdin", "-out",
            "/dev/stdout"], input=self.rfile.read(int(self.headers["Content-Length"])), capture_output=True).stdout
        self.send_response(200); self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply))); self.end_headers(); self.wfile.write(reply)
    log_message = lambda *args: None
server = h.HTTPServer(("127.0.0.1", 0), Stamp); print(server.server_port, flush=True); server.serve_forever()' >port &
stamper=$!
trap 'kill $stamper; cd "$repo" && rm -rf "$work" && scripts/package >/dev/null' EXIT  # the unsigned zip back in dist/
openssl req -x509 -newkey rsa:2048 -nodes -keyout tsa.key -out tsa.pem -days 1 -subj "/CN=Tamarak test TSA" \
  -addext extendedKeyUsage=critical,timeStamping 2>/dev/null
printf '[tsa]\ndefault_tsa = t\n[t]\nserial = serial\nsigner_cert = tsa.pem\nsigner_key = tsa.key\nsigner_digest = sha256
default_policy = 1.2.3.4\ndigests = sha256\ness_cert_id_alg = sha256\n' >tsa.cnf
until [ -s port ]; do kill -0 $stamper; sleep 0.1; done  # ends here if the server could not start
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 1 -subj "/CN=Tamarak test" \
  -addext extendedKeyUsage=codeSigning 2>/dev/null
head -c 24 /dev/urandom | base64 >password
openssl pkcs12 -export -inkey key.pem -in cert.pem -out cert.p12 -passout file:password
"$repo/scripts/package" >/dev/null
unzip -q "$repo/$zip" -d unsigned
"$repo/scripts/package" --pkcs12 cert.p12 --password-file password --ca-file cert.pem \
  --timestamp "http://127.0.0.1:$(cat port)/" --tsa-ca-file tsa.pem
unzip -q "$repo/$zip" -d signed
for f in tamarak.exe "ss/Tamarak's SS.scr"; do
  report=$(osslsigncode verify -CAfile cert.pem -TSA-CAfile tsa.pem -in "signed/$f")
  grep -q '^Signature verification: ok' <<<"$report" || exit 1
  grep -q '^Timestamp Server Signature verification: ok' <<<"$report" || exit 1
  osslsigncode remove-signature -in "signed/$f" -out "${f#ss/}.stripped" >/dev/null
  cmp "${f#ss/}.stripped" "unsigned/$f" && ! cmp -s "signed/$f" "unsigned/$f" || exit 1
done
echo "signing test: passed"
