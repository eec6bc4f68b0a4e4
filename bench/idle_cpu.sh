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

Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game_pid=""
stop() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
  kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  true
}
trap stop EXIT
sleep 1

DISPLAY=$display LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy "$game" >/dev/null 2>&1 &
game_pid=$!
sleep "$settle"

# utime and stime, fields 14 and 15 of /proc/PID/stat, in clock ticks; the name in field 2
# may hold spaces, so count from the closing parenthesis.
cpu_ticks() { sed 's/.*) //' "/proc/$game_pid/stat" | awk '{ print $12 + $13 }'; }
before=$(cpu_ticks)
sleep "$seconds"
after=$(cpu_ticks)
hz=$(getconf CLK_TCK)
awk -v used=$((after - before)) -v hz="$hz" -v s="$seconds" \
  'BEGIN { printf "idle CPU: %.1f %% of one core over %d s\n", 100 * used / hz / s, s }'
