#!/usr/bin/env bash
# The preview from the Options window's State menu lists exactly the helper
# each of the two process entries matches, and not the third helper; Show
# Matches from the process list's right-click menu lists one entry's own; a
# double-click on the tray icon then ends exactly the listed helpers; the
# window's size at shutdown is what the next start gets.
# Screenshots: preview-design.png (640 x 460), preview-minimum.png
# (420 x 220), preview-matches.png.
set -euo pipefail
pv() { wine "$QM_BIN_DIR/qm_preview_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
app() { wine "$QM_BIN_DIR/qm_app_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
options() { wine "$QM_BIN_DIR/qm_options_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
entries() { wine "$QM_BIN_DIR/qm_entries_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
driver() { app "$@"; }
source "$QM_SOURCE_DIR/tests/wine/app/tray_menu.sh"
preview='Quellmarch - Preview'
photo() { # NAME: the preview's client area out of the whole display
  local left top width height full
  read -r left top width height < <(entries window "$preview")
  sleep 0.5
  full="$("$QM_TOOLS_DIR/screenshot.sh" "full-$1")"
  convert "$full" -crop "${width}x${height}+${left}+${top}" +repage "$(dirname "$full")/$1"
  rm -f "$full"
}

# Not through a pipe: the helpers it starts would hold the pipe open.
wine "$QM_BIN_DIR/qm_preview_wine_driver.exe" prepare </dev/null >/dev/null
qmf="$(winepath -w "$QM_BIN_DIR/preview_test/Foretell.qmf" 2>/dev/null)"
wine "$QM_BIN_DIR/Quellmarch.exe" "$qmf" </dev/null &
instance=$!

app open-menu >/dev/null
xdotool key o
read -r fileX fileY _ < <(options shown "Quellmarch - Foretell.qmf")
# Menus cannot be read from outside Wine's process: open File with a click,
# move to State with the arrow key and choose "&Preview the next toggle...".
xdotool mousemove "$fileX" "$fileY" click 1
sleep 0.5
xdotool key Right
sleep 0.3
xdotool key p
pv rows toggle
photo preview-design.png
entries resize "$preview" 420 220 >/dev/null
photo preview-minimum.png

read -r x y < <(entries list 2 1)
xdotool mousemove "$x" "$y" click 3
sleep 0.7
xdotool key m
pv rows matches
photo preview-matches.png

pv dblclick
read -r x y < <(entries control "$preview" "&Refresh")
xdotool mousemove "$x" "$y" click 1
pv rows refreshed

app open-menu >/dev/null
tray_menu_shutdown
pv size-stored 420 220
wait "$instance"
echo "the preview foretold exactly what the toggle ended"
