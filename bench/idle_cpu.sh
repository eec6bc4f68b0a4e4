#!/usr/bin/env bash
# The game's CPU use while it stands idle on the table (only the banner moves), under an Xvfb
# of its own with Mesa's software renderer: the share of one core over the measured seconds.
# Usage: bench/idle_cpu.sh [game executable] [display number] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

game=${1:-build/default/bin/thousand}
display=:${2:-97}
seconds=${3:-20}
settle=5  # the loading and the opening of the message panel

source bench/xvfb_session.sh

"$game" >/dev/null 2>&1 &
pid=$!
sleep "$settle"

before=$(cpu_ticks "$pid")
sleep "$seconds"
after=$(cpu_ticks "$pid")
hz=$(getconf CLK_TCK)
awk -v used=$((after - before)) -v hz="$hz" -v s="$seconds" \
  'BEGIN { printf "idle CPU: %.1f %% of one core over %d s\n", 100 * used / hz / s, s }'
