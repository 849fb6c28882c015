#!/usr/bin/env bash
# Saving a file whose "Start with Windows" box is checked writes the start
# entry "Quellmarch1": the quoted program path and the file in lower case.
# The user's way there: tray menu "&Options", a click on File, "&Save
# Configuration File" by its key, and a click on the note's OK.
set -euo pipefail
driver() { wine "$QM_BIN_DIR/qm_app_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }

driver prepare-start
qmf="$(winepath -w "$QM_BIN_DIR/app_test/StartMe.qmf" 2>/dev/null)"
wine "$QM_BIN_DIR/Quellmarch.exe" "$qmf" </dev/null &
instance=$!

driver open-menu
xdotool key o
read -r fileX fileY < <(driver options-shown)
sleep 1
"$QM_TOOLS_DIR/screenshot.sh" app-options.png >/dev/null
xdotool mousemove "$fileX" "$fileY" click 1
sleep 0.5
xdotool key s
read -r okX okY < <(driver note-shown)
sleep 1
"$QM_TOOLS_DIR/screenshot.sh" app-note.png >/dev/null
xdotool mousemove "$okX" "$okY" click 1
driver run-entry "$qmf"
driver open-menu
xdotool key s
driver ended "$qmf"
wait "$instance"
echo "start entry written"
