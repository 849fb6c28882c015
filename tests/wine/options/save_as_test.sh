#!/usr/bin/env bash
# The user's way through the Options window: tray menu "&Options", a click on
# "Hide Termination Errors", File > "Save Configuration File &As...", the new
# name typed into the save dialog, OK on the Start-with-Windows note. The new
# file must hold exactly the bytes of a new file, the start entry must name
# it, and the window's size at shutdown is what the next start gets. Then the
# On icon: a file that is no icon is refused with a message and never reaches
# the saved file; a real icon is taken and saved. The On tooltip takes 60
# typed characters and refuses the 61st.
# Screenshots: options-design.png (633 x 578) and options-minimum.png
# (590 x 418).
set -euo pipefail
app() { wine "$QM_BIN_DIR/qm_app_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
options() { wine "$QM_BIN_DIR/qm_options_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
# Photographs the window's rectangle out of the whole display.
photo() {
  local name="$1" left="$2" top="$3" width="$4" height="$5" full
  full="$("$QM_TOOLS_DIR/screenshot.sh" "full-$name")"
  convert "$full" -crop "${width}x${height}+${left}+${top}" +repage "$(dirname "$full")/$name"
  rm -f "$full"
}

options prepare
source_qmf="$(winepath -w "$QM_BIN_DIR/options_test/Source.qmf" 2>/dev/null)"
saved_qmf="$(winepath -w "$QM_BIN_DIR/options_test/Saved.qmf" 2>/dev/null)"
wine "$QM_BIN_DIR/Quellmarch.exe" "$source_qmf" </dev/null &
instance=$!

app open-menu
xdotool key o
read -r fileX fileY boxX boxY left top width height < <(options shown "Quellmarch - Source.qmf")
[[ "$width x $height" == "633 x 578" ]] || { echo "FAIL: the window opened at $width x $height" >&2; exit 1; }
sleep 1
photo options-design.png "$left" "$top" "$width" "$height"

options reachable
xdotool mousemove "$boxX" "$boxY" click 1
options box-checked

xdotool mousemove "$fileX" "$fileY" click 1
sleep 0.5
xdotool key a
options dialog "Save As..."
sleep 1
# The name field holds the current file's name; replace it.
xdotool key End shift+Home
xdotool type --delay 50 "Saved"
xdotool key Return
read -r okX okY < <(app note-shown)
xdotool mousemove "$okX" "$okY" click 1
options saved Saved.qmf
app run-entry "$saved_qmf"

printf 'not an icon' >"$QM_BIN_DIR/options_test/bad.ico"
cp "$QM_SOURCE_DIR/res/tray_off.ico" "$QM_BIN_DIR/options_test/good.ico"
pick_icon() {
  read -r x y < <(options change-icon)
  xdotool mousemove "$x" "$y" click 1
  options dialog "Select Icon to use in system trau"
  sleep 1
  xdotool type --delay 30 "$(winepath -w "$QM_BIN_DIR/options_test/$1" 2>/dev/null)"
  xdotool key Return
}
pick_icon bad.ico
bad_ico="$(winepath -w "$QM_BIN_DIR/options_test/bad.ico" 2>/dev/null)"
read -r okX okY < <(options message "Unable to load icon from $bad_ico")
xdotool mousemove "$okX" "$okY" click 1
pick_icon good.ico
sleep 1
read -r tipX tipY < <(options tooltip)
xdotool mousemove "$tipX" "$tipY" click 1
xdotool key End shift+Home
sixty="$(printf '%.0s0123456789' 1 2 3 4 5 6)"
xdotool type --delay 20 "${sixty}X"
options tooltip-is "$sixty"
xdotool mousemove "$fileX" "$fileY" click 1
sleep 0.5
xdotool key s
options saved Saved.qmf good.ico "$sixty"

read -r left top width height < <(options resize 590 418)
sleep 1
photo options-minimum.png "$left" "$top" "$width" "$height"
options maximize

app open-menu
xdotool key s
app ended "$saved_qmf"
options size-stored 590 418
wait "$instance"
echo "saved as a new file, byte for byte"
