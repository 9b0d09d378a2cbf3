#!/usr/bin/env bash
# Starts orvane-server over https once per kind of certificate and redirect the https
# tests need, makes a test authority for them, and runs a command in a mount namespace
# of its own where the machine's certificate bundle holds that authority too. Every
# server stops again however the command ends:
#     https-servers.sh SERVER_EXE WORK_FOLDER COMMAND [ARGS...]
#
# Wine's crypt32 trusts the host's bundle alone (a certificate added to a Root store is
# not honoured), so the command runs through scripts/wine-trusting.sh, which bind-mounts
# a bundle holding the authority over the machine's inside `unshare -m`: the mount is
# private to the command and its children, gone when they end, and the machine's own
# file is never written. Needs root (tests and CI are).
#
#   ORVANE_HTTPS_MAIN        the default reply, certificate for localhost; log ORVANE_HTTPS_MAIN_LOG
#   ORVANE_HTTPS_OTHERHOST   a certificate for another host name;     log ORVANE_HTTPS_OTHERHOST_LOG
#   ORVANE_HTTPS_EXPIRED     an expired certificate;                   log ORVANE_HTTPS_EXPIRED_LOG
#   ORVANE_HTTPS_UNTRUSTED   a self-signed certificate;                log ORVANE_HTTPS_UNTRUSTED_LOG
#   ORVANE_HTTPS_HOPS5       redirects to itself five times, then the reply
#   ORVANE_HTTPS_HOPS6       redirects to itself six times, then the reply
#   ORVANE_HTTPS_ELSEWHERE   https on another loopback host (127.0.0.2); log ORVANE_HTTPS_ELSEWHERE_LOG
#   ORVANE_HTTPS_AWAY        redirects to ORVANE_HTTPS_ELSEWHERE
#   ORVANE_HTTPS_PLAINSIDE   plain http on localhost;                  log ORVANE_HTTPS_PLAINSIDE_LOG
#   ORVANE_HTTPS_TOPLAIN     redirects to ORVANE_HTTPS_PLAINSIDE
#   ORVANE_HTTPS_HANG        never answers the start-up request (it waits an hour)
# Addresses are https://localhost:PORT/api.init.php; logs are Wine paths (Z:\...).
set -euo pipefail

if [ $# -lt 3 ]; then
  echo "usage: $0 SERVER_EXE WORK_FOLDER COMMAND [ARGS...]" >&2
  exit 2
fi
here="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)"
if [ "$(id -u)" -ne 0 ]; then
  echo "https-servers: needs root for its mount namespace (unshare -m)" >&2
  exit 1
fi
# shellcheck source=server-pool.sh
. "$here/server-pool.sh"
pool_open https-servers "$1" "$2"
shift 2
work="$pool_work"

"$here/../pki/make-test-pki.sh" "$work/pki"
pki="$work/pki"

start() {  # start NAME SCHEME HOST [orvane-server options...]
  local name="$1" scheme="$2" host="$3"
  shift 3
  pool_serve "$name" --log "$work/$name.log" "$@"
  export "ORVANE_HTTPS_$name=$scheme://$host:$pool_port/api.init.php"
  export "ORVANE_HTTPS_${name}_LOG=$(wine_path "$work/$name.log")"
}
tls() { echo --tls-cert "$pki/$1.pem" --tls-key "$pki/$1.key"; }

# shellcheck disable=SC2046
{
  start MAIN https localhost $(tls localhost)
  start OTHERHOST https localhost $(tls otherhost)
  start EXPIRED https localhost $(tls expired)
  start UNTRUSTED https localhost $(tls untrusted)
  start HOPS5 https localhost $(tls localhost) --redirect-hops 5
  start HOPS6 https localhost $(tls localhost) --redirect-hops 6
  start ELSEWHERE https 127.0.0.2 --bind 127.0.0.2 $(tls localhost)
  start AWAY https localhost $(tls localhost) --redirect "$ORVANE_HTTPS_ELSEWHERE"
  start PLAINSIDE http localhost
  start TOPLAIN https localhost $(tls localhost) --redirect "$ORVANE_HTTPS_PLAINSIDE"
  start HANG https localhost $(tls localhost) --delay-ms 3600000
}

set +e
"$here/../../scripts/wine-trusting.sh" "$pki/ca.pem" "$@"
rc=$?
set -e
exit "$rc"
