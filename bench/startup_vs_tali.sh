#!/usr/bin/env bash
# The game beside GNOME Tali under one Xvfb with Mesa's software renderer: the time until each
# program's main window is mapped, its private memory (Private_Clean + Private_Dirty of
# /proc/PID/smaps_rollup) once the window has settled, and its CPU use while it stands idle.
# The two run alternately, RUNS times each after one run of each that warms the caches (the
# game's die sprites, the fonts); the medians and the game's share of Tali's are printed.
# Installs nothing: it needs Xvfb, xdotool and Tali (apt-get install xvfb xdotool tali).
# Usage: bench/startup_vs_tali.sh [runs] [display number] [game executable] [idle seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-3}
display=:${2:-96}
game=${3:-build/default/bin/thousand}
idle_seconds=${4:-10}
tali=${TALI:-/usr/games/tali}
settle=3  # after the window maps: the first paints, the message panel opening

for tool in Xvfb xdotool "$tali" "$game"; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (apt-get install xvfb xdotool tali)" >&2; exit 2; }
done

source bench/xvfb_session.sh

now_ms() { date +%s%3N; }
private_kb() { awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb }' "/proc/$1/smaps_rollup"; }

# Whether a visible window of the class has the title (the game's loading window has a title
# of its own). xdotool's --name cannot match this Cyrillic title, so names are compared here.
window_shown() {
  local window
  for window in $(xdotool search --onlyvisible --class "$1" 2>/dev/null); do
    [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$2" ] && return 0
  done
  return 1
}

# One run: starts the program, waits for its main window, and prints
# "map_ms private_kb idle_percent".
run() {
  local class=$1 title=$2
  shift 2
  local start
  start=$(now_ms)
  "$@" >/dev/null 2>&1 &
  pid=$!
  local waited=0
  # xdotool's own --sync looks only every half second; this looks every 10 ms.
  until window_shown "$class" "$title"; do
    sleep 0.01
    waited=$((waited + 1))
    [ "$waited" -lt 3000 ] || { echo "no window titled $title" >&2; exit 1; }
  done
  local mapped=$(($(now_ms) - start))
  sleep "$settle"
  local memory before after
  memory=$(private_kb "$pid")
  before=$(cpu_ticks "$pid")
  sleep "$idle_seconds"
  after=$(cpu_ticks "$pid")
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
  pid=""
  awk -v m="$mapped" -v k="$memory" -v used=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$idle_seconds" \
    'BEGIN { printf "%d %d %.2f\n", m, k, 100 * used / hz / s }'
}

game_run() { run thousand Тысяча "$game"; }
tali_run() { run tali Tali "$tali"; }

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
game_run >/dev/null
tali_run >/dev/null
: >"${TMPDIR:-/tmp}/thousand-bench-game.$$"
: >"${TMPDIR:-/tmp}/thousand-bench-tali.$$"
for ((i = 1; i <= runs; i++)); do
  game_run >>"${TMPDIR:-/tmp}/thousand-bench-game.$$"
  tali_run >>"${TMPDIR:-/tmp}/thousand-bench-tali.$$"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column_median() { awk -v c="$2" '{ print $c }' "$1" | median; }
report() {
  local name=$1 file=$2
  printf '%-10s %8s ms %8.1f MB %8s %%\n' "$name" "$(column_median "$file" 1)" \
    "$(column_median "$file" 2 | awk '{ print $1 / 1024 }')" "$(column_median "$file" 3)"
}
# Other work on the machine slows both programs, and other programs that map Mesa and LLVM make
# those pages shared instead of private: the load goes with the figures.
echo "load average (1, 5, 15 min) before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "medians of $runs alternating runs (window mapped, private memory, idle CPU of one core over ${idle_seconds} s):"
report thousand "${TMPDIR:-/tmp}/thousand-bench-game.$$"
report tali "${TMPDIR:-/tmp}/thousand-bench-tali.$$"
paste <(for c in 1 2 3; do column_median "${TMPDIR:-/tmp}/thousand-bench-game.$$" "$c"; done) \
  <(for c in 1 2 3; do column_median "${TMPDIR:-/tmp}/thousand-bench-tali.$$" "$c"; done) |
  awk 'NR == 1 { t = $2 ? $1 / $2 : 0 } NR == 2 { m = $2 ? $1 / $2 : 0 }
       END { printf "ratios thousand/tali: start-up %.2f, private memory %.2f\n", t, m }'
rm -f "${TMPDIR:-/tmp}/thousand-bench-game.$$" "${TMPDIR:-/tmp}/thousand-bench-tali.$$"
