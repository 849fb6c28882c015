#!/usr/bin/env bash
# AutoAdd from the Options window's File menu: the question, the report with
# its counts, a save that writes polite process entries and nop program
# entries for the helpers, and a second run that finds nothing new.
# Screenshots: autoadd-question.png, autoadd-complete.png,
# autoadd-nothing-new.png.
set -euo pipefail
source "$(dirname "$0")/steps.sh"
nothing_new='No new programs found running to add to Terminate or Run lists.'

start_instance AutoAdd

tray_menu_opens o "Quellmarch - AutoAdd.qmf" >/dev/null
read -r fileX fileY _ < <(options shown "Quellmarch - AutoAdd.qmf")
file_menu() {
  xdotool mousemove "$fileX" "$fileY" click 1
  sleep 0.5
  xdotool key "$1"
}

# Nothing of ours may run between the click on "Run AutoAdd" and the result:
# AutoAdd would take it for a program of the user's.
run_autoadd() {
  local x y
  file_menu r
  read -r x y < <(bk point AutoAdd "Run AutoAdd")
  sleep 0.5
  photo autoadd-question.png $(bk client AutoAdd)
  xdotool mousemove "$x" "$y" click 1
  wait_x_window "$1"
}

run_autoadd "AutoAdd Complete"
read -r added_processes added_programs < <(bk report)
sleep 0.5
photo autoadd-complete.png $(bk client "AutoAdd Complete")
read -r x y < <(bk point "AutoAdd Complete" OK)
xdotool mousemove "$x" "$y" click 1

file_menu s
bk saved AutoAdd "$added_processes" "$added_programs"

run_autoadd Quellmarch
read -r okX okY < <(options message "$nothing_new")
photo autoadd-nothing-new.png $(bk client Quellmarch)
xdotool mousemove "$okX" "$okY" click 1

driver open-menu
tray_menu_shutdown
wait "$instance"
echo "AutoAdd added $added_processes process and $added_programs program entries, then nothing new"
