#!/usr/bin/env bash
# BrowseKill from the tray menu: the configured helper first with its tags,
# the separator, then the other helpers; two of them ticked with real clicks
# and "&Kill All Checked" ends exactly those two. The window's size at
# shutdown is what the next start gets.
# Screenshots: browsekill-design.png (635 x 524), browsekill-minimum.png
# (586 x 225).
set -euo pipefail
source "$(dirname "$0")/steps.sh"
title='Processes Currently Running - Check the ones to terminate and then hit the "Kill" button'

start_instance Kill

read -r _ _ width height < <(tray_menu_opens b "$title")
[[ "$width x $height" == "635 x 524" ]] || fail "the window opened at $width x $height"
read -r one two < <(bk rows)
sleep 1
photo browsekill-design.png $(bk client "$title")

for row in "$one" "$two"; do
  read -r x y < <(bk tick "$row")
  xdotool mousemove "$x" "$y" click 1
  sleep 0.3
done
read -r x y < <(bk point "$title" "&Kill All Checked")
xdotool mousemove "$x" "$y" click 1
bk killed

bk resize "$title" 586 225 >/dev/null
sleep 1
photo browsekill-minimum.png $(bk client "$title")

driver open-menu
tray_menu_shutdown
bk size-stored 586 225
wait "$instance"
echo "BrowseKill ended exactly the ticked programs"
