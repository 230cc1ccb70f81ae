#!/usr/bin/env bash
# Runs a command on an X display of its own, so GUI test programs can run
# side by side: simulated input breaks when two processes share a display.
# With QUORVIN_WINDOW_MANAGER set (to a window manager's command, "openbox"),
# that window manager runs on the display first, as on a user's desktop: it
# decorates, places and focuses the windows. The command starts only once the
# window manager has taken the display. xfwm4 reads its settings over a
# session bus, so it gets one of its own.
# Without Xvfb the command runs on the display it was given.
set -u
command -v Xvfb >/dev/null 2>&1 || exec "$@"
number_file=$(mktemp)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$number_file" 2>/dev/null &
xvfb=$!
wm=""
# The display goes first: the window manager leaves with it (and the session
# bus of xfwm4 with the window manager).
trap 'kill "$xvfb" 2>/dev/null; wait $wm "$xvfb" 2>/dev/null; rm -f "$number_file"' EXIT
# A loaded machine may take long to start a server: wait while it lives,
# within a bound far above any start seen and well inside the tests' timeout.
bound=$((SECONDS + 120))
number=""
while [ "$SECONDS" -lt "$bound" ]; do
  number=$(cat "$number_file")
  [ -n "$number" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
[ -n "$number" ] || { echo "own-display: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"
# A window manager that leaves before it has announced itself (seen on a
# busy machine) is started again; what it printed is shown if it never does.
start_window_manager() {
  if [ "$QUORVIN_WINDOW_MANAGER" = xfwm4 ]; then
    dbus-run-session -- xfwm4 >"$wm_output" 2>&1 &
  else
    "$QUORVIN_WINDOW_MANAGER" >"$wm_output" 2>&1 &
  fi
  wm=$!
}
if [ -n "${QUORVIN_WINDOW_MANAGER:-}" ]; then
  command -v "$QUORVIN_WINDOW_MANAGER" >/dev/null 2>&1 ||
    { echo "own-display: no window manager $QUORVIN_WINDOW_MANAGER" >&2; exit 1; }
  wm_output=$(mktemp)
  trap 'kill "$xvfb" 2>/dev/null; wait $wm "$xvfb" 2>/dev/null; rm -f "$number_file" "$wm_output"' EXIT
  # A window manager announces itself on the root window; until it has, it
  # is still starting as long as it lives.
  announced() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
  starts=1
  start_window_manager
  until announced; do
    [ "$SECONDS" -lt "$bound" ] ||
      { echo "own-display: $QUORVIN_WINDOW_MANAGER did not take the display in time:" >&2; cat "$wm_output" >&2; exit 1; }
    if ! kill -0 "$wm" 2>/dev/null; then
      [ "$starts" -lt 3 ] || {
        echo "own-display: $QUORVIN_WINDOW_MANAGER left three times without taking the display:" >&2
        cat "$wm_output" >&2
        exit 1
      }
      starts=$((starts + 1))
      start_window_manager
    fi
    sleep 0.1
  done
fi
"$@"
