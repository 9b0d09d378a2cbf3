#!/usr/bin/env bash
# The test command: installs what is missing, builds both configurations and runs every
# test (native against fakes, Windows under Wine, end to end).
set -euo pipefail
cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset windows
cmake --build --preset windows
ctest --preset windows
