#!/usr/bin/env bash
# Makes the signed programs the signature tests check, at test time, from one program:
#   signing-fixtures.sh OUT_DIR PROGRAM.exe
# In OUT_DIR:
#   ca.pem          a test authority, to be trusted with scripts/wine-trusting.sh
#   signed.exe      signed by a publisher of that authority ("Orvane Test Publisher")
#   unsigned.exe    the program as it is
#   tampered.exe    signed.exe with one byte changed after signing
#   stranger.exe    signed by a publisher of an authority nobody trusts ("Stranger Publisher")
#   selfsigned.exe  signed by a self-signed certificate ("Self Publisher")
# Everything is made afresh with openssl and osslsigncode; no key outlives the run's folder.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 OUT_DIR PROGRAM.exe" >&2
  exit 2
fi
out="$1"
program="$(realpath -- "$2")"
mkdir -p -- "$out"
cd -- "$out"
rm -f -- ./*.pem ./*.key ./*.exe ./*.srl ./*.cnf ./*.csr ./*.log

quiet() {
  if ! "$@" >tool.log 2>&1; then
    echo "signing-fixtures: failed: $*" >&2
    cat tool.log >&2
    exit 1
  fi
}

cat >ext.cnf <<'CNF'
[req]
distinguished_name = dn
[dn]
[fixture_ca]
basicConstraints = critical, CA:TRUE
keyUsage = critical, keyCertSign, cRLSign
subjectKeyIdentifier = hash
[fixture_leaf]
basicConstraints = critical, CA:FALSE
keyUsage = critical, digitalSignature
extendedKeyUsage = codeSigning
subjectKeyIdentifier = hash
authorityKeyIdentifier = keyid
CNF

authority() {  # NAME FILE: a self-signed authority
  quiet openssl req -x509 -newkey rsa:2048 -nodes -keyout "$2.key" -out "$2.pem" -days 30 \
    -subj "/CN=$1" -extensions fixture_ca -config ext.cnf
}
publisher() {  # NAME FILE AUTHORITY: a code-signing certificate issued by the authority
  quiet openssl req -newkey rsa:2048 -nodes -keyout "$2.key" -out "$2.csr" -subj "/CN=$1" \
    -config ext.cnf
  quiet openssl x509 -req -in "$2.csr" -CA "$3.pem" -CAkey "$3.key" -CAcreateserial \
    -out "$2.pem" -days 20 -extfile ext.cnf -extensions fixture_leaf
}
sign() {  # CERT OUTPUT
  quiet osslsigncode sign -certs "$1.pem" -key "$1.key" -n "Orvane fixture" -h sha256 \
    -in "$program" -out "$2"
}

authority "Orvane Test Authority" ca
publisher "Orvane Test Publisher" publisher ca
authority "Stranger Authority" stranger-ca
publisher "Stranger Publisher" stranger stranger-ca
quiet openssl req -x509 -newkey rsa:2048 -nodes -keyout self.key -out self.pem -days 30 \
  -subj "/CN=Self Publisher" -extensions fixture_leaf -config ext.cnf

cp -- "$program" unsigned.exe
sign publisher signed.exe
sign stranger stranger.exe
sign self selfsigned.exe
# One byte in the middle of the program's own bytes (the signature is appended after
# them), which the signature's hash covers.
cp signed.exe tampered.exe
offset=$(( $(stat -c %s unsigned.exe) / 2 ))
byte="$(od -An -tu1 -j "$offset" -N1 tampered.exe | tr -d ' ')"
printf "$(printf '\\%03o' $(( (byte + 1) % 256 )))" | dd of=tampered.exe bs=1 seek="$offset" conv=notrunc status=none
rm -f -- ./*.key ./*.csr ./*.srl ext.cnf tool.log
