# Sourced by the benches that run programs under an Xvfb of their own: starts it on $display,
# and at exit ends the program whose pid is in $pid (if any) and then the server.
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=""
stop() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  true
}
trap stop EXIT
sleep 1
export DISPLAY=$display LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy

# utime + stime of a process, in clock ticks: fields 14 and 15 of /proc/PID/stat, counted from
# the closing parenthesis since the name in field 2 may hold spaces.
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
