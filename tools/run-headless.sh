#!/usr/bin/env bash
# Runs the game headless for a while and ends it as a session logging out would: it must still
# be running when SIGTERM comes, end within 10 s and end with status 0.
# The caller sets the environment (HOME, XDG folders, SDL drivers).
# Usage: tools/run-headless.sh EXECUTABLE STDERR_FILE SECONDS
set -euo pipefail
executable=$1
stderr_file=$2
seconds=$3

"$executable" >/dev/null 2>"$stderr_file" &
pid=$!
trap 'kill -KILL "$pid" 2>/dev/null || true' EXIT
sleep "$seconds"
if ! kill -0 "$pid" 2>/dev/null; then
  echo "$executable ended by itself before SIGTERM:" >&2
  cat "$stderr_file" >&2
  exit 1
fi
kill -TERM "$pid"
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "$executable still runs 10 s after SIGTERM" >&2
  exit 1
fi
status=0
wait "$pid" || status=$?
if [[ $status -ne 0 ]]; then
  echo "$executable ended with status $status after SIGTERM:" >&2
  cat "$stderr_file" >&2
  exit 1
fi
