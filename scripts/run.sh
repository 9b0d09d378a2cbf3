#!/usr/bin/env bash
# The run command: installs what is missing, builds the program and the stand-in for the
# maker's server, starts the server on the address the program was built with, and starts
# orvane.exe under Wine in a prefix of its own (build/windows/wine/run), never ~/.wine.
# With a DISPLAY the window shows there; without one Wine draws on a private Xvfb screen.
#
# The first run makes the prefix and gives it a small sample machine (scripts/sample-
# machine.sh: Run values, startup files, services), so the window has something to show;
# later runs keep the prefix as the last run left it.
#   --clean   throw the prefix away and start from an empty one, without the sample
set -euo pipefail
cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.."

clean=""
args=()
for arg in "$@"; do
  if [ "$arg" = "--clean" ]; then clean=1; else args+=("$arg"); fi
done

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
  # The program talks to this one port, so no other will do. Whatever listens there
  # already would answer in the stand-in's place: say so and stop before anything starts.
  if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
    holder="$(ss -Hltnp "sport = :$port" 2>/dev/null |
              sed -n 's/.*users:(("\([^"]*\)",pid=\([0-9]*\).*/ by \1 (pid \2)/p' | head -n 1 || true)"
    echo "run: port $port on 127.0.0.1 is taken$holder; orvane.exe was built to talk to" \
         "$init_url, so the stand-in server must listen there: stop whatever holds it" >&2
    exit 1
  fi
  ready="$(mktemp -d)"
  build/native/server/orvane-server --bind 127.0.0.1 --port "$port" --port-file "$ready/port" &
  server=$!
  trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf -- "$ready"' EXIT
  # The program asks at once: it starts only when the server listens (or has said why not).
  for _ in $(seq 200); do
    [ -s "$ready/port" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.05
  done
  if [ ! -s "$ready/port" ]; then
    echo "run: orvane-server did not start on port $port (its message is above)" >&2
    exit 1
  fi
else
  echo "run: the program was built for $init_url; no stand-in server is started" >&2
fi

export ORVANE_WINE_PREFIX="$PWD/build/windows/wine/run"
export ORVANE_WINE_VERSION="${ORVANE_WINE_VERSION:-win10}"
if [ -n "$clean" ]; then
  rm -rf -- "$ORVANE_WINE_PREFIX" "$ORVANE_WINE_PREFIX.home"
  bash scripts/wine-prefix.sh "$ORVANE_WINE_PREFIX" "$ORVANE_WINE_VERSION"
elif [ ! -d "$ORVANE_WINE_PREFIX" ]; then
  echo "run: a new prefix with a sample machine (see the README; --clean for an empty one)" >&2
  if ! bash scripts/sample-machine.sh "$ORVANE_WINE_PREFIX" "$ORVANE_WINE_VERSION"; then
    # Half a sample is no start for the next run: it makes the prefix again.
    rm -rf -- "$ORVANE_WINE_PREFIX" "$ORVANE_WINE_PREFIX.home"
    echo "run: preparing the sample machine failed" >&2
    exit 1
  fi
fi
bash scripts/wine-run.sh build/windows/orvane.exe ${args[@]+"${args[@]}"}
