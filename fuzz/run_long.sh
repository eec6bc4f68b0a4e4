#!/usr/bin/env bash
# Runs every fuzz harness for MINUTES each (or 10 million executions, whichever comes first),
# JOBS harnesses at a time (default: one per core), and writes the table of executions,
# coverage and findings into the README's robustness section. Findings stay in
# build/fuzz-findings/<harness>.findings/ for a regression test.
#   fuzz/run_long.sh MINUTES [JOBS]
set -euo pipefail
source "$(dirname "$0")/run_fuzzers.sh"

minutes=${1:?usage: fuzz/run_long.sh MINUTES [JOBS]}
parallel=${2:-$(nproc)}
out=$FUZZ_ROOT/build/fuzz-findings
rm -rf "$out"
mkdir -p "$out"
build_fuzzers

# fixed_count NAME: how many faults this harness has found that are fixed in the program.
fixed_count() {
  grep -c "^$1	" "$FUZZ_ROOT/fuzz/fixed_findings.tsv" || true
}

# fuzz_time SECONDS: the run's length for the table.
fuzz_time() {
  if (($1 < 120)); then echo "$1 s"; else echo "$((($1 + 30) / 60)) min"; fi
}

# run_row NAME: runs one harness and leaves its table row in OUT/NAME.row.
run_row() {
  local name=$1
  run_fuzzer "$name" $((minutes * 60)) "$out" -runs=10000000 || true
  local log=$out/$name.log
  local runs seconds cov open
  runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  seconds=$(grep -o '^Done [0-9]* runs in [0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  cov=$(grep -E '^#[0-9]+' "$log" | grep -o 'cov: [0-9]*' | tail -1 | grep -o '[0-9]*$' || echo "?")
  open=$(find "$out/$name.findings" -type f | wc -l)
  local time="?"
  [[ $seconds == "?" ]] || time=$(fuzz_time "$seconds")
  echo "| \`$name\` | $runs | $time | $cov | $open | $(fixed_count "$name") |" >"$out/$name.row"
  echo "fuzz $name: $runs runs in $time, cov $cov, $open open findings"
}

for name in "${FUZZ_HARNESSES[@]}"; do
  while (($(jobs -rp | wc -l) >= parallel)); do wait -n || true; done
  run_row "$name" &
done
wait

table=$out/table.md
{
  echo "Run of $(date -u '+%Y-%m-%d %H:%M') UTC under ASan + UBSan, each harness until 10,000,000"
  echo "executions or $minutes minutes, $parallel at a time on $(nproc) cores:"
  echo
  echo "| harness | executions | time | coverage (edges) | open findings | findings fixed |"
  echo "|---|---:|---:|---:|---:|---:|"
  for name in "${FUZZ_HARNESSES[@]}"; do
    cat "$out/$name.row" 2>/dev/null || echo "| \`$name\` | ? | ? | ? | ? | $(fixed_count "$name") |"
  done
} >"$table"

# The table replaces the part of the README between the two markers.
readme=$FUZZ_ROOT/README.md
awk -v table="$table" '
  /<!-- fuzz table start -->/ { print; while ((getline line < table) > 0) print line; skip = 1; next }
  /<!-- fuzz table end -->/ { skip = 0 }
  !skip { print }
' "$readme" >"$readme.new"
mv "$readme.new" "$readme"
