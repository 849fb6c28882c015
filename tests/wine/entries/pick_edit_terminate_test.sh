#!/usr/bin/env bash
# The user's way to a new process entry, with the real mouse: a right click
# into the empty process list of the Options window, "&Add", OK on the
# first-use hint, the folder button, REFRESH in the picker, a click on the
# row of a running helper program, OK, the box that asks for a companion run
# entry, OK. Both new entries must stand in the lists and, after File > Save,
# in the file. A double-click on the entry edits it to "Harsh Termination";
# "&Terminate Now" from its right-click menu then ends the helper.
# Before that, Edit in the empty program list asks for a selection, and Add
# there shows the program hint. Screenshots: entries-first-select.png,
# entries-program-hint.png, entries-hint.png, entries-process-entry.png,
# entries-picker.png, entries-picker-minimum.png, entries-program-entry.png.
set -euo pipefail
app() { wine "$QM_BIN_DIR/qm_app_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
options() { wine "$QM_BIN_DIR/qm_options_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
entries() { wine "$QM_BIN_DIR/qm_entries_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
driver() { app "$@"; }
source "$QM_SOURCE_DIR/tests/wine/app/tray_menu.sh"
# Photographs one window's client area out of the whole display.
photo() {
  local name="$1" left top width height full
  read -r left top width height < <(entries window "$2")
  sleep 0.5
  full="$("$QM_TOOLS_DIR/screenshot.sh" "full-$name")"
  convert "$full" -crop "${width}x${height}+${left}+${top}" +repage "$(dirname "$full")/$name"
  rm -f "$full"
}
click() { xdotool mousemove "$1" "$2" click 1; }
click_control() { # TITLE TEXT
  local x y
  read -r x y < <(entries control "$1" "$2")
  click "$x" "$y"
}
# Right-clicks list N (on ROW, or below the rows) and chooses a menu item by its key.
list_menu() { # N ROW KEY
  local x y
  read -r x y < <(entries list "$1" "$2")
  xdotool mousemove "$x" "$y" click 3
  sleep 0.7
  xdotool key "$3"
}
double_click_row() { # N ROW
  local x y
  read -r x y < <(entries list "$1" "$2")
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
}

# Not through a pipe: the helper it starts would hold the pipe open for its lifetime.
wine "$QM_BIN_DIR/qm_entries_wine_driver.exe" prepare </dev/null
qmf="$(winepath -w "$QM_BIN_DIR/entries_test/Entries.qmf" 2>/dev/null)"
wine "$QM_BIN_DIR/Quellmarch.exe" "$qmf" </dev/null &
instance=$!

app open-menu
xdotool key o
read -r fileX fileY _ < <(options shown "Quellmarch - Entries.qmf")

# Edit needs a selected entry; Add in the program list shows its own hint.
list_menu 1 "" e
photo entries-first-select.png Attention
click_control Attention OK
list_menu 1 "" a
photo entries-program-hint.png "Important Hint"
click_control "Important Hint" OK
click_control "Program Entry" Cancel

list_menu 2 "" a
photo entries-hint.png "Important Hint"
click_control "Important Hint" OK

read -r x y < <(entries folder "Process Entry")
click "$x" "$y"
entries window "Select a Process to Copy into Edit Box" >/dev/null
click_control "Select a Process to Copy into Edit Box" REFRESH
read -r x y < <(entries picker-row)
click "$x" "$y"
photo entries-picker.png "Select a Process to Copy into Edit Box"
entries resize "Select a Process to Copy into Edit Box" 630 160 >/dev/null
photo entries-picker-minimum.png "Select a Process to Copy into Edit Box"
entries resize "Select a Process to Copy into Edit Box" 693 509 >/dev/null
click_control "Select a Process to Copy into Edit Box" OK
entries field-is "Process Entry"
click_control "Process Entry" "Automatically add an entry for this process to the Run Program box"
photo entries-process-entry.png "Process Entry"
click_control "Process Entry" OK
entries lists learn

click "$fileX" "$fileY"
sleep 0.5
xdotool key s
entries saved learn

double_click_row 2 0
entries window "Process Entry" >/dev/null
click_control "Process Entry" "Harsh Termination"
click_control "Process Entry" OK
entries lists harsh

double_click_row 1 0
photo entries-program-entry.png "Program Entry"
click_control "Program Entry" Cancel

list_menu 2 0 t
entries helper-ended

click "$fileX" "$fileY"
sleep 0.5
xdotool key s
entries saved harsh

app open-menu
tray_menu_shutdown
wait "$instance"
echo "a picked process entry with its companion, edited and terminated"
