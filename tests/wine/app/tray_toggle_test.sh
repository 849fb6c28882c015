#!/usr/bin/env bash
# The real exe in the tray: a double-click on its icon ends the configured
# processes, the next one starts the configured program, a right click right
# after a left one opens the menu only once, and the tray menu's
# "&Shutdown Quellmarch", chosen by its mnemonic key, ends the instance and
# leaves the file as LastFile.
set -euo pipefail
driver() { wine "$QM_BIN_DIR/qm_app_wine_driver.exe" "$@" </dev/null; }
source "$(dirname "$0")/tray_menu.sh"

driver prepare-toggle
qmf="$(winepath -w "$QM_BIN_DIR/app_test/toggle.qmf" 2>/dev/null)"
wine "$QM_BIN_DIR/Quellmarch.exe" "$qmf" </dev/null &
instance=$!

# Wine's tray sits at the top left; resting the pointer on the icon shows its tooltip.
sleep 2
xdotool mousemove 12 31 sleep 0.3 mousemove 13 32
sleep 2
"$QM_TOOLS_DIR/screenshot.sh" app-tray-tooltip.png >/dev/null
xdotool mousemove 640 512
driver dblclick-ends
sleep 1
"$QM_TOOLS_DIR/screenshot.sh" app-tray-off.png >/dev/null
driver dblclick-runs
driver menu-once
driver open-menu
sleep 1
"$QM_TOOLS_DIR/screenshot.sh" app-tray-menu.png >/dev/null
tray_menu_shutdown
driver ended "$qmf"
wait "$instance"
echo "tray toggle and shutdown passed"
