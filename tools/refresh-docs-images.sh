#!/usr/bin/env bash
# Makes the pictures the README shows and copies them into docs/: the window's screens, drawn
# headless by thousand-screenshots with a fixed generator, and the contact sheets of the art
# made by the build. Run it when the art or a screen's layout changes, then look at the diff.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/default
[[ -f $build/CMakeCache.txt ]] || cmake --preset default
cmake --build --preset default --target thousand-screenshots thousand_contact_sheets
shots=$build/docs
SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "$build/bin/thousand-screenshots" "$shots"
for png in "$shots"/*.png; do
  name=$(basename "$png")
  [[ -f docs/$name ]] && cp "$png" "docs/$name"
done
git status --short docs
