#!/usr/bin/env bash
# Draws the project's libraries and executables and what links what into docs/architecture.svg.
# Needs graphviz (`dot`). Configures a throwaway build tree; builds nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command -v dot >/dev/null || { echo "dot not found: apt-get install graphviz" >&2; exit 1; }

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

# CMake reads these from the build tree. The system libraries and the targets that only serve
# the tests would bury the layers, so only the game's own targets are drawn; the tests,
# benchmarks and fuzzers are not configured at all.
cat >"$tree/CMakeGraphVizOptions.cmake" <<'OPTIONS'
set(GRAPHVIZ_GRAPH_NAME "Thousand")
set(GRAPHVIZ_EXTERNAL_LIBS FALSE)
set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)
set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)
set(GRAPHVIZ_IGNORE_TARGETS "^thousand_(test|bench|fuzz)_headers$" "^thousand_asset_recipes$")
OPTIONS

cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DBUILD_TESTING=OFF -DTHOUSAND_BENCH=OFF -DTHOUSAND_FUZZ=OFF \
      --graphviz="$tree/thousand.dot" >"$tree/configure.log" 2>&1 \
  || { cat "$tree/configure.log" >&2; exit 1; }
# Top to bottom reads as the layers: the game on top, what everything links at the bottom.
dot -Tsvg "$tree/thousand.dot" -o "$root/docs/architecture.svg"
echo "wrote docs/architecture.svg"
