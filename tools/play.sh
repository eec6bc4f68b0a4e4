#!/usr/bin/env bash
# Sets up the machine, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/bin/thousand
