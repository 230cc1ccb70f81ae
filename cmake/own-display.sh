#!/usr/bin/env bash
# Runs a command on an X display of its own, so GUI test programs can run
# side by side: simulated input breaks when two processes share a display.
# Without Xvfb the command runs on the display it was given.
set -u
command -v Xvfb >/dev/null 2>&1 || exec "$@"
number_file=$(mktemp)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$number_file" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -f "$number_file"' EXIT
for _ in $(seq 200); do
  number=$(cat "$number_file")
  [ -n "$number" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
[ -n "$number" ] || { echo "own-display: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$number" "$@"
