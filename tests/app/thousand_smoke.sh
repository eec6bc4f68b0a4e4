#!/usr/bin/env bash
# The shipped executable itself, headless: it starts, keeps running, ends cleanly on SIGTERM and
# says nothing on stderr, also where the machine has no sound device.
# Usage: thousand_smoke.sh RUNTIME_FOLDER
set -euo pipefail
runtime=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A copy of the runtime folder, so that whatever the game writes beside itself stays here.
mkdir "$work/game" "$work/home"
cp "$runtime"/thousand "$runtime"/*.col "$runtime"/*.ini "$runtime"/*.st "$runtime"/rules.html "$work/game/"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
# SDL picks its sound driver itself, as for a player: here, a machine without a sound card.
export SDL_VIDEODRIVER=offscreen
unset SDL_AUDIODRIVER
# SDL unloads the GL driver with the last window, after which the sanitizer build's leak checker
# can no longer tell the driver's never-freed allocations from ours; the window tests check
# leaks with the driver kept loaded. Memory errors are still caught here.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

# Long enough to load the containers and run the table for a while, even under the sanitizers.
bash "$(dirname "$0")/../../tools/run-headless.sh" "$work/game/thousand" "$work/stderr" 4
if [[ -s $work/stderr ]]; then
  echo "thousand wrote to stderr:" >&2
  cat "$work/stderr" >&2
  exit 1
fi
echo "thousand started, ran and ended cleanly on SIGTERM"
