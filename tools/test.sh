#!/usr/bin/env bash
# Sets up the machine, builds the game and runs every test: the ordinary build and the
# sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
for preset in default asan; do
  echo "== $preset build =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

echo "== fuzz harnesses (short run) =="
bash fuzz/run_short.sh
