#!/usr/bin/env bash
# A close request from outside ends the instance as the tray's Shutdown does:
# WM_CLOSE posted to every window of the process (taskkill without /F) brings
# the save-changes question, and Cancel keeps the instance running; again,
# "&No" ends it with the last file and the window size written. The
# system's WM_QUERYENDSESSION asks the same question and, answered, lets the
# session end.
set -euo pipefail
app() { wine "$QM_BIN_DIR/qm_app_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
options() { wine "$QM_BIN_DIR/qm_options_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
source_qmf="$(winepath -w "$QM_BIN_DIR/options_test/Source.qmf" 2>/dev/null)"

# Starts the instance and makes an unsaved change with a click on a box of
# the Options window.
start_changed() {
  options prepare
  wine "$QM_BIN_DIR/Quellmarch.exe" "$source_qmf" </dev/null &
  instance=$!
  app open-menu
  xdotool key o
  read -r _ _ boxX boxY _ < <(options shown "Quellmarch - Source.qmf")
  xdotool mousemove "$boxX" "$boxY" click 1
  options box-checked
}
press() {
  local x y
  read -r x y < <(app question "$1")
  xdotool mousemove "$x" "$y" click 1
}

start_changed
app post-close
app question Cancel >/dev/null
"$QM_TOOLS_DIR/screenshot.sh" close-from-outside-question.png >/dev/null
xdotool key Escape
app runs
options box-checked
app post-close
press "&No"
app ended "$source_qmf"
options size-stored 633 578
wait "$instance"

start_changed
exec 3< <(app query-end)
press "&No"
read -r answer <&3
[[ "$answer" == 1 ]] || { echo "FAIL: WM_QUERYENDSESSION answered $answer" >&2; exit 1; }
app ended "$source_qmf"
wait "$instance"
echo "a close from outside and the end of the session shut the instance down"
