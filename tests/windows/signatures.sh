#!/usr/bin/env bash
# The Wine tests of Authenticode: makes the signed fixtures from a program, then runs the
# test program with Wine trusting the fixtures' test authority.
#   signatures.sh FIXTURE_DIR PROGRAM_TO_SIGN.exe WINE_RUN TEST.exe [ARGS...]
set -euo pipefail
here="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)"
scripts="$here/../../scripts"
fixtures="$1"
program="$2"
shift 2
"$scripts/signing-fixtures.sh" "$fixtures" "$program"
fixtures="$(cd -- "$fixtures" && pwd)"
# Wine maps the host's root to Z:.
export ORVANE_SIGNING_FIXTURES="Z:${fixtures//\//\\}"
exec "$scripts/wine-trusting.sh" "$fixtures/ca.pem" "$@"
