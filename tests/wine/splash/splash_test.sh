#!/usr/bin/env bash
# A file that wants the splash: the banner shows at once, on top, and goes
# about two seconds later, leaving the main window hidden at 1 x 1. A file
# that hides it: the banner never shows, not even for a moment.
# Screenshot: splash.png.
set -euo pipefail
source "$(dirname "$0")/common.sh"

splash prepare
shown="$QM_BIN_DIR/splash_test/shown.txt"
# The watch starts first: a late one would miss a splash of two seconds.
wine "$QM_BIN_DIR/qm_splash_wine_driver.exe" splash-shown </dev/null >"$shown" 2>&1 &
watch=$!
wine "$QM_BIN_DIR/Quellmarch.exe" "$(qmf Splash.qmf)" </dev/null &
instance=$!
wait "$watch" || { cat "$shown" >&2; exit 1; }
splash splash-gone 1000 4000
shut_down "$(qmf Splash.qmf)"
wait "$instance"

wine "$QM_BIN_DIR/qm_splash_wine_driver.exe" splash-never 8000 </dev/null &
watch=$!
wine "$QM_BIN_DIR/Quellmarch.exe" "$(qmf Quiet.qmf)" </dev/null &
instance=$!
wait "$watch"
shut_down "$(qmf Quiet.qmf)"
wait "$instance"
echo "the splash showed and went, and stayed away when hidden"
