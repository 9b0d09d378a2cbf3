#!/usr/bin/env bash
# The refresh's cost under Wine: builds the Windows configuration's benchmark program and
# runs it in a throw-away Windows 10 prefix, which it fills itself at each size.
#   bash scripts/wine-bench.sh [BUILD] [--sizes 100,1000,10000] [--rounds N]
# BUILD is a configured Windows build folder (default build/windows). The prefix is made
# afresh under BUILD/wine/bench and removed again.
set -euo pipefail
cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.."

build="build/windows"
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then build="$1"; shift; fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  bash scripts/setup.sh
  cmake --preset windows
fi
cmake --build "$build" --target orvane_wine_bench

prefix="$(cd -- "$build" && pwd)/wine/bench"
rm -rf -- "$prefix" "$prefix.home"
trap 'rm -rf -- "$prefix" "$prefix.home"' EXIT
# Filling 10,000 values and 1,000 services and timing them takes minutes under Wine.
ORVANE_WINE_PREFIX="$prefix" ORVANE_WINE_VERSION=win10 ORVANE_WINE_TIMEOUT=3600 \
  bash scripts/wine-run.sh "$build/bench/wine/orvane_wine_bench.exe" "$@"
