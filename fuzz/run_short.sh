#!/usr/bin/env bash
# Builds the fuzz harnesses and runs each for a short while (default 20 s) on its seed
# corpus, so that a change that breaks a parser is caught on every test run.
#   fuzz/run_short.sh [SECONDS]
set -euo pipefail
source "$(dirname "$0")/run_fuzzers.sh"

seconds=${1:-20}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
build_fuzzers
failed=0
for name in "${FUZZ_HARNESSES[@]}"; do
  if run_fuzzer "$name" "$seconds" "$out"; then
    echo "fuzz $name: ok ($(grep -o 'stat::number_of_executed_units: [0-9]*' "$out/$name.log" | grep -o '[0-9]*$') runs)"
  else
    echo "fuzz $name: FAILED" >&2
    tail -40 "$out/$name.log" >&2
    mkdir -p "$FUZZ_ROOT/build/fuzz-findings"
    cp "$out/$name.findings/"* "$FUZZ_ROOT/build/fuzz-findings/" 2>/dev/null || true
    failed=1
  fi
done
exit $failed
