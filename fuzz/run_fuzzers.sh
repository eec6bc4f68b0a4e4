# Shared by run_short.sh and run_long.sh: builds the harnesses with clang (ASan + UBSan +
# libFuzzer) and runs one harness for a while on a copy of its seed corpus.
FUZZ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
FUZZ_BUILD=${FUZZ_BUILD_DIR:-$FUZZ_ROOT/build/fuzz-asan}
FUZZ_BIN=$FUZZ_BUILD/bin
mapfile -t FUZZ_HARNESSES < <(awk '!/^#/ && NF { print $1 }' "$FUZZ_ROOT/fuzz/harnesses.txt")

build_fuzzers() {
  (cd "$FUZZ_ROOT" && cmake --preset fuzz -B "$FUZZ_BUILD" >/dev/null)
  cmake --build "$FUZZ_BUILD" --target thousand_fuzzers
}

# run_fuzzer NAME SECONDS OUT_DIR [LIBFUZZER_FLAG...]: runs on a scratch copy of fuzz/corpus/NAME (new inputs stay
# out of the repository), crash inputs land in OUT_DIR, the log in OUT_DIR/NAME.log.
# Returns the fuzzer's exit status (0: nothing found).
run_fuzzer() {
  local name=$1 seconds=$2 out=$3
  shift 3
  local work="$out/$name.corpus"
  mkdir -p "$work" "$out/$name.findings"
  cp -r "$FUZZ_ROOT/fuzz/corpus/$name/." "$work/" 2>/dev/null || true
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
    nice -n 10 "$FUZZ_BIN/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$out/$name.findings/" "$@" "$work" >"$out/$name.log" 2>&1
}
