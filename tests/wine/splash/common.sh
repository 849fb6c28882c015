# Sourced by the scripts of this folder: the two step drivers, and the tray
# menu's shutdown.
splash() { wine "$QM_BIN_DIR/qm_splash_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
driver() { wine "$QM_BIN_DIR/qm_app_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
source "$(dirname "$0")/../app/tray_menu.sh"
qmf() { winepath -w "$QM_BIN_DIR/splash_test/$1" 2>/dev/null; }

# Shuts the instance down from its tray menu; it must leave FILE as LastFile.
shut_down() {
  driver open-menu
  tray_menu_shutdown
  driver ended "$1"
}
