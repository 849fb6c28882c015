#!/usr/bin/env bash
# Fixture setup: starts a private Xvfb for the Wine tests on a display that no
# one else uses. Xvfb itself takes the lock of a display number (and gives up
# when someone else holds it), so two build folders, or two people, testing
# at once never share a display.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/common.sh"

mkdir -p "$qm_state_dir"
# A run that was interrupted may have left its server behind; it is ours.
bash "$here/xvfb-stop.sh" >/dev/null 2>&1 || true

log="$qm_state_dir/xvfb.log"
# Numbers from 10 up: :0 and :99 are what other tools reach for first.
for display in $(seq 10 99); do
  [[ -e "/tmp/.X${display}-lock" || -e "/tmp/.X11-unix/X${display}" ]] && continue
  # setsid: the server must outlive this setup test and ignore ctest's
  # signals; only the cleanup test ends it.
  setsid Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$log" 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    # The display answering is not enough: when two runs start at once, the
    # one that lost the number would reach the winner's server. Ours is the
    # server whose id is in the display's lock.
    owner="$(tr -d '[:space:]' 2>/dev/null <"/tmp/.X${display}-lock" || true)"
    [[ "$owner" == "$pid" ]] || { sleep 0.1; continue; }
    if DISPLAY=":$display" xdotool getdisplaygeometry >/dev/null 2>&1; then
      echo "$pid" >"$qm_xvfb_pid_file"
      echo "$display" >"$qm_display_file"
      echo "Xvfb $pid serves :$display"
      exit 0
    fi
    sleep 0.1
  done
  # Lost the race for this number to someone else, or never came up.
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
done
echo "no Xvfb could be started; last log:" >&2
cat "$log" >&2
exit 1
