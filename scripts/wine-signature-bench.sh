#!/usr/bin/env bash
# Authenticode checks under Wine: files verified per second, and the time list --verify
# adds to a JSON listing of as many signed files.
#   bash scripts/wine-signature-bench.sh [BUILD] [--count 300] [--rounds N] [--calls]
# --calls first times each Win32 call of a check on its own, to see where the time goes.
# BUILD is a configured Windows build folder (default build/windows). The signed copies
# and the prefix are made afresh under BUILD and removed again. Needs root (the test
# authority is trusted through scripts/wine-trusting.sh).
set -euo pipefail
cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.."

build="build/windows"
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then build="$1"; shift; fi
count=300
rounds=5
calls=0
while [ $# -gt 0 ]; do
  case "$1" in
    --count) count="$2"; shift 2 ;;
    --rounds) rounds="$2"; shift 2 ;;
    --calls) calls=1; shift ;;
    *) echo "usage: $0 [BUILD] [--count N] [--rounds N] [--calls]" >&2; exit 2 ;;
  esac
done
cmake --build "$build" --target orvane_signature_bench orvanec

work="$(cd -- "$build" && pwd)/wine/signature-bench"
rm -rf -- "$work"
trap 'rm -rf -- "$work"' EXIT
mkdir -p "$work/files"
# The program that is signed is the companion itself: a real program's size to hash.
bash scripts/signing-fixtures.sh "$work/fixtures" "$build/orvanec.exe"
for i in $(seq -w 1 "$count"); do cp "$work/fixtures/signed.exe" "$work/files/signed$i.exe"; done
cp "$build/orvanec.exe" "$work/orvanec.exe"
winpath() { printf 'Z:%s' "${1//\//\\}"; }
ORVANE_WINE_PREFIX="$work/prefix" ORVANE_WINE_VERSION=win10 ORVANE_WINE_TIMEOUT=3600 \
  bash scripts/wine-trusting.sh "$work/fixtures/ca.pem" \
  bash scripts/wine-run.sh "$build/bench/wine/orvane_signature_bench.exe" \
  "$(winpath "$work/files")" --rounds "$rounds" --calls "$calls" --orvanec "$(winpath "$work/orvanec.exe")"
