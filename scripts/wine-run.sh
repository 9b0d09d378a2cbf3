#!/usr/bin/env bash
# Runs a Windows program under Wine in a throw-away prefix and passes its exit code on.
# CTest calls it as the cross-compiling emulator:  wine-run.sh PROGRAM.exe [ARGS...]
#
#   ORVANE_WINE_VERSION   win10 (default), win81 or win7: the Windows version the prefix reports
#   ORVANE_WINE_PREFIX    the prefix folder; default <build>/wine/<version>, where <build>
#                         is the nearest folder above the program that holds CMakeCache.txt
#   ORVANE_WINE_TIMEOUT   seconds before a hung program is ended (default 600)
#   DISPLAY               used as is when set; otherwise an Xvfb display is started here
#
# The program's output goes to files first and is copied out at the end: Wine's
# background services inherit the program's stdout, so a pipe would stay open.
# Every Wine and Xvfb process this starts is gone when it returns.
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 PROGRAM.exe [ARGS...]" >&2
  exit 2
fi
exe="$(cd -- "$(dirname -- "$1")" && pwd)/$(basename -- "$1")"
shift
here="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)"
version="${ORVANE_WINE_VERSION:-win10}"

prefix="${ORVANE_WINE_PREFIX:-}"
if [ -z "$prefix" ]; then
  build="$(dirname -- "$exe")"
  while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build="$(dirname -- "$build")"; done
  if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "wine-run: $exe is not inside a build folder; set ORVANE_WINE_PREFIX" >&2
    exit 2
  fi
  prefix="$build/wine/$version"
fi

"$here/wine-prefix.sh" "$prefix" "$version"
prefix="$(cd -- "$prefix" && pwd)"

# The same environment as the prefix was made with (see wine-prefix.sh).
export HOME="$prefix.home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# One run per prefix at a time: a second run would share (and at its end kill) our
# wineserver. CTest's RESOURCE_LOCK already keeps them apart; this covers hand runs.
exec 9>"$prefix.run.lock"
flock 9

work="$(mktemp -d "$prefix.run.XXXXXX")"
xvfb_pid=""
server_started=""
cleanup() {
  local rc=$?
  if [ -n "$server_started" ]; then
    wineserver -k </dev/null >/dev/null 2>&1 9>&- || true
    wineserver -w </dev/null >/dev/null 2>&1 9>&- || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf -- "$work"
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if [ -z "${DISPLAY:-}" ]; then
  # -displayfd lets Xvfb pick a free display number itself, so parallel runs never race
  # for one.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" \
    </dev/null >"$work/xvfb.log" 2>&1 9>&- &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  if [ ! -s "$work/display" ]; then
    echo "wine-run: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n1 "$work/display")"
fi

# A persistent wineserver keeps the prefix warm between the program's own child
# processes; the trap above ends it.
server_started=1
wineserver -p </dev/null >/dev/null 2>&1 9>&-

set +e
timeout --kill-after=10 "${ORVANE_WINE_TIMEOUT:-600}" wine "$exe" "$@" \
  </dev/null >"$work/stdout" 2>"$work/stderr" 9>&-
rc=$?
set -e
cat "$work/stdout"
cat "$work/stderr" >&2
if [ "$rc" -eq 124 ]; then echo "wine-run: $(basename -- "$exe") timed out" >&2; fi
# With the heap channel on, Wine checks every block it hands out and frees (freed blocks
# are filled, their tails guarded) and reports what it finds instead of failing: a run
# whose report names a damaged, freed or foreign block fails here. "mismatching heap"
# alone is left out: Wine's own Task Scheduler threads free blocks of another heap of
# theirs, in every run that reaches the service.
heap_reports=""
if [[ "${WINEDEBUG}" == *heap* ]]; then
  heap_reports="$(grep -E ':(err|warn):heap:' "$work/stderr" | grep -v ': mismatching heap$' || true)"
fi
if [ "$rc" -eq 0 ] && [ -n "$heap_reports" ]; then
  echo "wine-run: Wine's heap checking reported the errors above" >&2
  rc=1
fi
exit "$rc"
