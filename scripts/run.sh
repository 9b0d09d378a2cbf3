#!/usr/bin/env bash
# The run command: installs what is missing, builds the Windows programs and starts them
# under Wine in a prefix of their own (build/windows/wine/run), never ~/.wine.
set -euo pipefail
cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh

cmake --preset windows
cmake --build --preset windows --target orvanec

export ORVANE_WINE_PREFIX="$PWD/build/windows/wine/run"
export ORVANE_WINE_VERSION="${ORVANE_WINE_VERSION:-win10}"
# Until the window exists, the console companion shows the real catalogue of the prefix.
bash scripts/wine-run.sh build/windows/orvanec.exe list "$@"
