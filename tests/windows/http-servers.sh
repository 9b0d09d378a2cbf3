#!/usr/bin/env bash
# Starts orvane-server once per kind of answer the HTTP tests need, runs a command with
# their addresses in the environment, and stops every server again, however the command
# ends:   http-servers.sh SERVER_EXE WORK_FOLDER COMMAND [ARGS...]
#
#   ORVANE_HTTP_MAIN          the default reply; its log is ORVANE_HTTP_MAIN_LOG
#   ORVANE_HTTP_NOTFOUND      status 404 with an HTML page
#   ORVANE_HTTP_EMPTY         an empty body
#   ORVANE_HTTP_CHARSET       UTF-8 bytes declared as ISO-8859-1
#   ORVANE_HTTP_BIG           16 MiB + 1 byte, with Content-Length
#   ORVANE_HTTP_BIG_NOLENGTH  the same, ended by closing the connection
#   ORVANE_HTTP_ATCAP         exactly 16 MiB
#   ORVANE_HTTP_SLOW          answers after a minute; its log is ORVANE_HTTP_SLOW_LOG
#   ORVANE_HTTP_LATE          answers after 35 s, more than WinHTTP's own receive time-out
#   ORVANE_HTTP_TRICKLE       sends its 300-byte body a byte a second
#   ORVANE_HTTP_ELSEWHERE     a server on another loopback host (127.0.0.2); its log is
#                             ORVANE_HTTP_ELSEWHERE_LOG
#   ORVANE_HTTP_AWAY          redirects to ORVANE_HTTP_ELSEWHERE
#   ORVANE_HTTP_PLAIN         redirects to http:// on its own host (the MAIN server)
#   ORVANE_HTTP_CLOSED        a port nothing listens on
# Logs are passed as Wine paths (Z:\...), addresses as http://127.0.0.1:PORT/api.init.php.
set -euo pipefail

if [ $# -lt 3 ]; then
  echo "usage: $0 SERVER_EXE WORK_FOLDER COMMAND [ARGS...]" >&2
  exit 2
fi
here="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=server-pool.sh
. "$here/server-pool.sh"
pool_open http-servers "$1" "$2"
shift 2
work="$pool_work"

start() {  # start NAME [orvane-server options...]
  local name="$1"
  shift
  pool_serve "$name" "$@"
  export "ORVANE_HTTP_$name=http://127.0.0.1:$pool_port/api.init.php"
}

printf '<html><body><h1>Not Found</h1></body></html>\n' >"$work/notfound.html"
: >"$work/empty.txt"
printf '{"text":"\xec\x88\xa8\xea\xb9\x80 caf\xc3\xa9"}\n' >"$work/charset.json"
head -c $((16 * 1024 * 1024 + 1)) /dev/zero | tr '\0' 'x' >"$work/big.txt"
head -c $((16 * 1024 * 1024)) /dev/zero | tr '\0' 'x' >"$work/atcap.txt"

start MAIN --log "$work/main.log"
start NOTFOUND --status 404 --reply "$work/notfound.html"
start EMPTY --reply "$work/empty.txt"
start CHARSET --reply "$work/charset.json" --content-type "application/json; charset=iso-8859-1"
start BIG --reply "$work/big.txt"
start BIG_NOLENGTH --reply "$work/big.txt" --no-length
start ATCAP --reply "$work/atcap.txt"
start SLOW --delay-ms 60000 --log "$work/slow.log"
start LATE --delay-ms 35000
head -c 300 /dev/zero | tr '\0' 'x' >"$work/trickle.txt"
start TRICKLE --reply "$work/trickle.txt" --trickle-ms 1000
start ELSEWHERE --bind 127.0.0.2 --log "$work/elsewhere.log"
ORVANE_HTTP_ELSEWHERE="${ORVANE_HTTP_ELSEWHERE/127.0.0.1/127.0.0.2}"
start AWAY --redirect "$ORVANE_HTTP_ELSEWHERE"
start PLAIN --redirect "$ORVANE_HTTP_MAIN"
export ORVANE_HTTP_ELSEWHERE_LOG="$(wine_path "$work/elsewhere.log")"
export ORVANE_HTTP_MAIN_LOG="$(wine_path "$work/main.log")"
export ORVANE_HTTP_SLOW_LOG="$(wine_path "$work/slow.log")"

# A port that was free a moment ago and that nobody listens on now.
closed_port="$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
export ORVANE_HTTP_CLOSED="http://127.0.0.1:$closed_port/api.init.php"

set +e
"$@"
rc=$?
set -e
exit "$rc"
