#!/usr/bin/env bash
# How long the window takes at most to answer a message while it refreshes, under Wine:
# the probe sends WM_NULL with SendMessageTimeoutW every 10 ms during the first refresh
# and an F5 refresh of 10,000 Run values, 5,000 startup files and 1,000 services, and
# during a refresh that meets a Run value on a share that does not answer. A benchmark,
# not a test: it prints the figures.
#   bash scripts/wine-answer-bench.sh [BUILD] [--fill VALUES]
# BUILD is a configured Windows build folder (default build/windows) whose three addresses
# are on http://127.0.0.1:PORT; the native build's orvane-server plays the server. The
# prefix is made afresh under BUILD/wine and removed again.
set -euo pipefail
cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.."

build="build/windows"
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then build="$1"; shift; fi
fill=10000
if [ "${1:-}" = "--fill" ]; then fill="$2"; fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "configure $build first (cmake --preset windows ...)" >&2
  exit 2
fi
cmake --build "$build" --target orvane orvane_e2e_probe orvane_wine_bench
setting() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
server="$(setting ORVANE_SERVER_EXE)"
if [ ! -x "$server" ]; then
  echo "no orvane-server at $server: build the native configuration first" >&2
  exit 2
fi
b="$(cd -- "$build" && pwd)"
exec python3 tests/e2e/orvane_e2e.py --cases answers --name answer-bench \
  --orvane "$b/orvane.exe" --probe "$b/tests/e2e/orvane_e2e_probe.exe" \
  --filler "$b/bench/wine/orvane_wine_bench.exe" --fill "$fill" \
  --server "$server" --scripts "$PWD/scripts" --prefix-root "$b/wine" \
  --init-url "$(setting ORVANE_INIT_URL)" --lookup-url "$(setting ORVANE_LOOKUP_URL)" \
  --link-url "$(setting ORVANE_LINK_URL)" --locales "$b/locales"
