# Sourced by the BrowseKill and AutoAdd scripts: the step drivers, a photo of
# one window, and the tray menu chosen by a key.
bk() { wine "$QM_BIN_DIR/qm_browsekill_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
driver() { wine "$QM_BIN_DIR/qm_app_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
options() { wine "$QM_BIN_DIR/qm_options_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
source "$QM_SOURCE_DIR/tests/wine/app/tray_menu.sh"

# Prepares NAME.qmf and its helpers and starts the program on that file in
# the background; $instance is its process.
start_instance() {
  local qmf
  # Not through a pipe: the helpers it starts would hold the pipe open.
  wine "$QM_BIN_DIR/qm_browsekill_wine_driver.exe" prepare "$1" </dev/null >/dev/null
  qmf="$(winepath -w "$QM_BIN_DIR/browsekill_test/$1.qmf" 2>/dev/null)"
  wine "$QM_BIN_DIR/Quellmarch.exe" "$qmf" </dev/null &
  instance=$!
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Photographs a window's rectangle out of the whole display.
photo() {
  local name="$1" left="$2" top="$3" width="$4" height="$5" full
  full="$("$QM_TOOLS_DIR/screenshot.sh" "full-$name")"
  convert "$full" -crop "${width}x${height}+${left}+${top}" +repage "$(dirname "$full")/$name"
  rm -f "$full"
}

# Opens the tray menu and presses KEY until the window captioned WINDOW is
# shown (under load Wine's menu can miss a key pressed the moment it opens);
# prints the window's rectangle.
tray_menu_opens() {
  local key="$1" window="$2" attempt
  for attempt in 1 2 3; do
    driver open-menu >/dev/null
    sleep 0.5
    xdotool key "$key"
    if bk rect "$window" 5000; then return 0; fi
    echo "the tray menu missed the key (attempt $attempt)" >&2
  done
  return 1
}

# Waits until a window named exactly NAME is shown, without starting a
# Windows program: AutoAdd takes every program running at that moment.
wait_x_window() {
  local name="$1" i
  for i in $(seq 1 150); do
    if xdotool search --onlyvisible --name "^$name\$" >/dev/null 2>&1; then return 0; fi
    sleep 0.2
  done
  fail "no window \"$name\" appeared"
}
