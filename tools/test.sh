#!/usr/bin/env bash
# Sets up the machine, builds the game and runs every test: the ordinary build and the
# sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer); makes and checks the Debian
# package; builds the core alone with no desktop library in sight; runs the fuzz harnesses briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
for preset in default asan; do
  echo "== $preset build =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

echo "== Debian package =="
bash tools/package-check.sh build/default

# The core and thousand-cli must build on a machine without SDL, OpenGL, librsvg, cairo,
# freetype or fonts: the configure gets no pkg-config search path and may not use pkg-config
# or OpenGL at all, and the cache must show no trace of a desktop library or font.
echo "== core build (no desktop libraries) =="
no_packages=$(mktemp -d)
trap 'rm -rf "$no_packages"' EXIT
PKG_CONFIG_LIBDIR=$no_packages PKG_CONFIG_PATH='' cmake --preset core --no-warn-unused-cli \
  -DCMAKE_DISABLE_FIND_PACKAGE_PkgConfig=ON -DCMAKE_DISABLE_FIND_PACKAGE_OpenGL=ON >/dev/null
if grep -E '^(pkgcfg_lib_|OPENGL_|THOUSAND_FONT_FILE)' build/core/CMakeCache.txt; then
  echo "the core build looked for desktop libraries" >&2
  exit 1
fi
cmake --build --preset core

echo "== fuzz harnesses (short run) =="
bash fuzz/run_short.sh
