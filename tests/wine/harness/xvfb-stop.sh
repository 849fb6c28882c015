#!/usr/bin/env bash
# Fixture cleanup: ends the Xvfb that xvfb-start.sh started, and nothing else.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/common.sh"

# A server that has exited but is not yet reaped by its parent counts as gone.
is_running() {
  local state
  state="$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" || return 1
  [[ -n "$state" && "$state" != Z ]]
}

if [[ -s "$qm_xvfb_pid_file" ]]; then
  pid="$(<"$qm_xvfb_pid_file")"
  # The id may have been reused since; only a live Xvfb is ours to end.
  if [[ "$(cat "/proc/$pid/comm" 2>/dev/null)" == Xvfb ]]; then
    kill "$pid"
    for _ in $(seq 50); do
      is_running "$pid" || break
      sleep 0.1
    done
    if is_running "$pid"; then kill -KILL "$pid"; fi
    echo "stopped Xvfb $pid"
  fi
fi
rm -f "$qm_xvfb_pid_file" "$qm_display_file"
