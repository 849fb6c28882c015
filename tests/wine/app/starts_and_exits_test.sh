#!/usr/bin/env bash
# Started without a file, the program opens a blank configuration and sits in
# the tray; the tray menu's "&Shutdown Quellmarch" ends it with exit code 0
# and an empty last file.
set -euo pipefail
driver() { wine "$QM_BIN_DIR/qm_app_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
source "$(dirname "$0")/tray_menu.sh"

driver prepare-blank
wine "$QM_BIN_DIR/Quellmarch.exe" </dev/null &
instance=$!
driver open-menu
tray_menu_shutdown
driver ended ""
status=0
wait "$instance" || status=$?
if (( status != 0 )); then
  echo "Quellmarch.exe ended with exit code $status" >&2
  exit 1
fi
echo "started blank and shut down cleanly"
