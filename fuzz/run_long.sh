#!/usr/bin/env bash
# Runs every fuzz harness for MINUTES each (or 10 million executions, whichever comes first)
# and writes the table of executions, coverage and findings into docs/fuzzing.md. Findings
# stay in build/fuzz-findings/<harness>/ for a regression test.
#   fuzz/run_long.sh MINUTES
set -euo pipefail
source "$(dirname "$0")/run_fuzzers.sh"

minutes=${1:?usage: fuzz/run_long.sh MINUTES}
out=$FUZZ_ROOT/build/fuzz-findings
rm -rf "$out"
mkdir -p "$out"
build_fuzzers

table=$out/table.md
{
  echo "Run of $(date -u '+%Y-%m-%d %H:%M') UTC, $minutes min or 10,000,000 executions per harness, ASan + UBSan:"
  echo
  echo "| harness | executions | coverage (edges) | features | corpus | findings |"
  echo "|---|---:|---:|---:|---:|---:|"
} >"$table"
for name in "${FUZZ_HARNESSES[@]}"; do
  run_fuzzer "$name" $((minutes * 60)) "$out" -runs=10000000 || true
  log=$out/$name.log
  runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  last=$(grep -E '^#[0-9]+' "$log" | grep -o 'cov: [0-9]* ft: [0-9]*' | tail -1)
  cov=$(echo "$last" | awk '{print $2}')
  ft=$(echo "$last" | awk '{print $4}')
  corpus=$(find "$out/$name.corpus" -type f | wc -l)
  findings=$(find "$out/$name.findings" -type f | wc -l)
  echo "| $name | $runs | ${cov:-?} | ${ft:-?} | $corpus | $findings |" >>"$table"
  echo "fuzz $name: $runs runs, cov ${cov:-?}, $findings findings"
done

# The table replaces the part of docs/fuzzing.md between the two markers.
doc=$FUZZ_ROOT/docs/fuzzing.md
awk -v table="$table" '
  /<!-- fuzz table start -->/ { print; while ((getline line < table) > 0) print line; skip = 1; next }
  /<!-- fuzz table end -->/ { skip = 0 }
  !skip { print }
' "$doc" >"$doc.new"
mv "$doc.new" "$doc"
