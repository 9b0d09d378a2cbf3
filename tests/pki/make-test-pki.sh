#!/usr/bin/env bash
# Makes a throw-away certificate authority and the server certificates the https tests
# need, in FOLDER:   make-test-pki.sh FOLDER
#
#   ca.pem                  the test authority (trusted by the tests, never by the machine)
#   localhost.{pem,key}     for localhost and 127.0.0.1, from the test authority
#   otherhost.{pem,key}     for other.invalid only, from the test authority
#   expired.{pem,key}       for localhost, from the test authority, expired in 2021
#   untrusted.{pem,key}     for localhost, self-signed: no authority anyone trusts
#
# Every key is made here, now, and lives only in FOLDER: nothing secret is committed.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 FOLDER" >&2
  exit 2
fi
out="$1"
mkdir -p -- "$out"
out="$(cd -- "$out" && pwd)"
cd -- "$out"

quiet() { "$@" >/dev/null 2>&1 || { echo "make-test-pki: failed: $*" >&2; "$@" >&2; exit 1; }; }

key() { quiet openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out "$1"; }

# The authority.
key ca.key
quiet openssl req -x509 -new -key ca.key -sha256 -days 30 -subj "/CN=Orvane test authority" \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" \
  -out ca.pem

# A minimal authority database for `openssl ca`, which alone can date a certificate in the
# past (the expired one).
rm -rf ca-db
mkdir ca-db
: >ca-db/index.txt
echo 1000 >ca-db/serial
cat >ca.cnf <<CNF
[ca]
default_ca = test
[test]
dir = $out/ca-db
database = \$dir/index.txt
serial = \$dir/serial
new_certs_dir = \$dir
certificate = $out/ca.pem
private_key = $out/ca.key
default_md = sha256
policy = any
unique_subject = no
copy_extensions = copy
[any]
commonName = supplied
CNF

# issue NAME SAN [openssl ca date options...]
issue() {
  local name="$1" san="$2" cn
  shift 2
  cn="${san#DNS:}"
  cn="${cn%%,*}"
  key "$name.key"
  quiet openssl req -new -key "$name.key" -subj "/CN=$cn" -out "$name.csr" \
    -addext "subjectAltName=$san" -addext "extendedKeyUsage=serverAuth" \
    -addext "basicConstraints=critical,CA:FALSE"
  quiet openssl ca -batch -config ca.cnf -notext -in "$name.csr" -out "$name.pem" "$@"
  rm -f "$name.csr"
}
issue localhost "DNS:localhost,IP:127.0.0.1" -days 30
issue otherhost "DNS:other.invalid" -days 30
issue expired "DNS:localhost,IP:127.0.0.1" -startdate 20200101000000Z -enddate 20210101000000Z

key untrusted.key
quiet openssl req -x509 -new -key untrusted.key -sha256 -days 30 -subj "/CN=localhost" \
  -addext "subjectAltName=DNS:localhost,IP:127.0.0.1" -out untrusted.pem

