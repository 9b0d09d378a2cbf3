#!/usr/bin/env bash
# Builds the fuzz targets (clang with libFuzzer) and runs each one on its corpus in
# fuzz/corpus/<target>/ for ORVANE_FUZZ_SECONDS seconds (30 unless told). A crash, a leak or
# a time-out in any target fails the command, with the input that did it kept under
# build/fuzz/crashes/. Inputs a run finds go to build/fuzz/found/, so the committed corpus
# stays as it is. Pass -DORVANE_WERROR=ON (or any other cache setting) through as arguments.
set -euo pipefail
cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.."

seconds="${ORVANE_FUZZ_SECONDS:-30}"
cmake --preset fuzz "$@"
cmake --build --preset fuzz

# The build lists its targets, each with the largest input its parser meets in use
# (fuzz/CMakeLists.txt), one "name max_len" line each.
targets=()
declare -A max_len=()
while read -r name bytes; do
  [ -n "$name" ] || continue
  targets+=("$name")
  max_len[$name]="$bytes"
done <build/fuzz/fuzz/targets.txt
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no targets listed in build/fuzz/fuzz/targets.txt" >&2
  exit 1
fi

failed=()
for target in "${targets[@]}"; do
  corpus="fuzz/corpus/$target"
  if [ ! -d "$corpus" ] || [ -z "$(ls -A "$corpus")" ]; then
    echo "fuzz: $target has no corpus in $corpus" >&2
    failed+=("$target (no corpus)")
    continue
  fi
  found="build/fuzz/found/$target"
  crashes="build/fuzz/crashes"
  log="build/fuzz/logs/$target.log"
  mkdir -p "$found" "$crashes" "$(dirname "$log")"
  if "build/fuzz/fuzz/$target" -max_total_time="$seconds" -max_len="${max_len[$target]}" \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/$target-" "$found" "$corpus" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "fuzz: $target ok, ${runs:-?} runs in ${seconds} s (${rate:-?} exec/s, inputs up to ${max_len[$target]} bytes)"
  else
    echo "fuzz: $target FAILED; the end of $log:" >&2
    tail -n 40 "$log" >&2
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: all ${#targets[@]} targets ran ${seconds} s each without a fault"
