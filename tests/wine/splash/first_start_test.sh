#!/usr/bin/env bash
# The first start on a machine (no settings key): the welcome window, then
# the AutoAdd advert, each until its OK, then the Options window; no splash.
# Screenshots: welcome.png, advert.png.
set -euo pipefail
source "$(dirname "$0")/common.sh"

splash prepare-first
wine "$QM_BIN_DIR/Quellmarch.exe" "$(qmf Splash.qmf)" </dev/null &
instance=$!
splash shown "Welcome" welcome.png
splash not-shown "New Feature Blurb"
splash press "Welcome" "OK"
splash shown "New Feature Blurb" advert.png
splash press "New Feature Blurb" "OK"
splash shown "Quellmarch - Splash.qmf"
splash not-shown "Welcome"
shut_down "$(qmf Splash.qmf)"
wait "$instance"
echo "welcome, advert, then the Options window"
