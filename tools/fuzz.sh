#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build folder for a bounded time over a copy
# of its committed seed corpus, so a run adds nothing to the repository.
# Inputs that break a property are kept in BUILD_DIR/fuzz-findings/.
# Usage: tools/fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=$2
source_dir=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=$build/fuzz-findings
mkdir -p "$findings"

passed=0
failed=0
for seeds in "$source_dir"/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  corpus=$work/$target
  mkdir -p "$corpus" "$work/tmp"
  cp "$seeds"* "$corpus"/
  log=$work/$target.log
  # fuzz_scan makes its folders under TMPDIR.
  if TMPDIR=$work/tmp "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
       -artifact_prefix="$findings/$target-" -print_final_stats=1 "$corpus" > "$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $target: ${seconds}s, ${runs:-?} runs, no property broken"
    passed=$((passed + 1))
  else
    echo "fuzz $target: FAILED" >&2
    grep -E 'property broken|ERROR: |SUMMARY: |runtime error|Test unit written' "$log" >&2 || tail -40 "$log" >&2
    failed=$((failed + 1))
  fi
  rm -rf "$work/tmp"
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
