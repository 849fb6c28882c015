#!/usr/bin/env bash
# The tray menu's "&About": the About box with the version line and the
# release notes beside the exe, its three pages, "Web Page" (the help's page
# on updates), the information window behind the picture's "More Info", and
# "&CLOSE". Then "&Help": the help viewer opens.
# Screenshots: about.png, about-notes.png, about-splash.png, web-page.png,
# information.png, help.png.
set -euo pipefail
source "$(dirname "$0")/common.sh"

splash prepare
wine "$QM_BIN_DIR/Quellmarch.exe" "$(qmf Quiet.qmf)" </dev/null &
instance=$!
driver open-menu
xdotool key a
splash about-texts
splash about-page 0 about.png
splash about-page 1 about-notes.png
splash web-page
splash about-page 2 about-splash.png
read -r x y < <(splash picture-centre)
xdotool mousemove "$x" "$y" click 3
sleep 1
xdotool key Down Return
splash shown "Information" information.png
splash press "Information" "OK"
splash press "About Quellmarch" "&CLOSE"

driver open-menu
xdotool key h
splash help-shown
shut_down "$(qmf Quiet.qmf)"
wait "$instance"
echo "About box and help window shown"
