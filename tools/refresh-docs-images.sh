#!/usr/bin/env bash
# Copies the pictures the README shows (contact sheets made by the build, frames saved by the
# tests) from the default build into docs/. Run it after tools/test.sh when the art changes.
set -euo pipefail
cd "$(dirname "$0")/.."

shots=build/default/docs
for png in "$shots"/*.png; do
  name=$(basename "$png")
  [[ -f docs/$name ]] && cp "$png" "docs/$name"
done
git status --short docs
