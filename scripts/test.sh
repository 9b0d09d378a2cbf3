#!/usr/bin/env bash
# The test command: installs what is missing, builds both configurations and runs every
# test (native against fakes, every fuzz target on its corpus, Windows under Wine, end to
# end).
set -euo pipefail
cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh

# In CI a warning anywhere in the project's own code fails the build.
werror=OFF
if [ "${CI:-}" = true ]; then werror=ON; fi

cmake --preset native -DORVANE_WERROR="$werror"
cmake --build --preset native
ctest --preset native

# Each fuzz target for 30 seconds (ORVANE_FUZZ_SECONDS changes that); a crash fails the run.
bash scripts/fuzz.sh -DORVANE_WERROR="$werror"

cmake --preset windows -DORVANE_WERROR="$werror"
cmake --build --preset windows
ctest --preset windows
