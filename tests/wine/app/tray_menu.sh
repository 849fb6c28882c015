# Sourced by the tray scripts. Chooses "&Shutdown Quellmarch" from the tray
# menu by its mnemonic key, as a user would. Under load Wine's menu can miss a
# key pressed the moment it appears, so the menu is opened again and the key
# pressed again, a few times, before the step counts as failed.
tray_menu_shutdown() {
  local attempt
  for attempt in 1 2 3; do
    xdotool key s
    if driver gone 5000; then return 0; fi
    echo "the tray menu missed the key (attempt $attempt); opening it again" >&2
    driver open-menu
    sleep 0.5
  done
  return 1
}
