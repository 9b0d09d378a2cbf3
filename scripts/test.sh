#!/usr/bin/env bash
# The test command: installs what is missing, builds both configurations and runs every
# test (native against fakes, every fuzz target on its corpus, Windows under Wine, end to
# end).
#
# The tests run in phases. Every phase runs, whatever the ones before it found, so one
# fault never hides another: each phase's result is printed as it ends, all of them again
# at the end, and the command fails then if any phase failed.
set -euo pipefail
cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh

# In CI a warning anywhere in the project's own code fails the build.
werror=OFF
if [ "${CI:-}" = true ]; then werror=ON; fi

# One function per phase, phase_<name>. Each runs under `set -e` in a subshell of its
# own: its first failing command ends that phase, and only that phase.
phase_native() {
  cmake --preset native -DORVANE_WERROR="$werror"
  cmake --build --preset native
  ctest --preset native
}

# Each fuzz target for 30 seconds (ORVANE_FUZZ_SECONDS changes that); a crash fails it.
phase_fuzz() {
  bash scripts/fuzz.sh -DORVANE_WERROR="$werror"
}

# The Wine tests and the end-to-end tests. wine.http and the orvane.exe end-to-end tests
# use the native build's orvane-server: without it they fail, saying so.
phase_windows() {
  cmake --preset windows -DORVANE_WERROR="$werror"
  cmake --build --preset windows
  ctest --preset windows
}

# The release build and its https tests, where the checkout has them.
phase_release() {
  bash scripts/release-test.sh
}

# The phases in the order they run. A new phase is a phase_<name> function above and its
# name here.
phases=(native fuzz windows)
if [ -f scripts/release-test.sh ]; then phases+=(release); fi

results=()
failed=0
for phase in "${phases[@]}"; do
  echo "=== test phase: $phase ==="
  started=$SECONDS
  set +e
  (
    set -e
    "phase_$phase"
  )
  rc=$?
  set -e
  took="$((SECONDS - started)) s"
  if [ "$rc" -eq 0 ]; then
    result="$phase: passed ($took)"
  else
    result="$phase: FAILED with exit code $rc ($took)"
    failed=1
  fi
  results+=("$result")
  echo "=== test phase $result ==="
done

echo "=== test results ==="
printf '  %s\n' "${results[@]}"
if [ "$failed" -ne 0 ]; then
  echo "test: FAILED (see the phases above)" >&2
  exit 1
fi
echo "test: every phase passed"
