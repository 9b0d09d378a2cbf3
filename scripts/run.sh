#!/usr/bin/env bash
# The run command: installs what is missing, builds the program and the stand-in for the
# maker's server, starts the server on the address the program was built with, and starts
# orvane.exe under Wine in a prefix of its own (build/windows/wine/run), never ~/.wine.
# With a DISPLAY the window shows there; without one Wine draws on a private Xvfb screen.
set -euo pipefail
cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native --target orvane-server
cmake --preset windows >/dev/null
cmake --build --preset windows --target orvane

# The build's init address says where the server must listen (default 127.0.0.1:8431).
init_url="$(sed -n 's/^ORVANE_INIT_URL:STRING=//p' build/windows/CMakeCache.txt)"
hostport="${init_url#http://}"
server=""
if [[ "$init_url" == http://127.0.0.1* ]]; then
  port="${hostport##*:}"
  [[ "$port" == "$hostport" ]] && port=80
  build/native/server/orvane-server --bind 127.0.0.1 --port "$port" &
  server=$!
  trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true' EXIT
else
  echo "run: the program was built for $init_url; no stand-in server is started" >&2
fi

export ORVANE_WINE_PREFIX="$PWD/build/windows/wine/run"
export ORVANE_WINE_VERSION="${ORVANE_WINE_VERSION:-win10}"
bash scripts/wine-run.sh build/windows/orvane.exe "$@"
