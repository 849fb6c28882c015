#!/usr/bin/env bash
# The setup program as an administrator uses it, in a Wine prefix of this
# test's own (the uninstaller removes machine-wide settings that the other
# tests share):
#   a silent install puts every file (byte for byte the zip's), the three
#   Start menu shortcuts and the uninstall entry in place;
#   the Start menu's "Quellmarch" starts the installed exe with the example,
#   and its tray menu ends it;
#   a configuration of the user's, saved with "Start with Windows" checked,
#   writes its start entry;
#   a silent uninstall while that instance still runs either closes it
#   (the program ends on a close request) or stops with exit code 3 and
#   changes nothing; after it, the files, shortcuts, uninstall entry, settings
#   key and every start entry of the installed exe are gone, while the user's
#   file and another program's start entry stay, and the prefix holds no
#   other trace of Quellmarch.
#   install_uninstall_test.sh VERSION
set -euo pipefail
version="$1"
here="$(cd "$(dirname "$0")" && pwd)"
driver() { wine "$QM_BIN_DIR/qm_app_wine_driver.exe" "$@" </dev/null | tr -d '\r'; }
source "$here/../app/tray_menu.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
now_ms() { date +%s%3N; }

# tools/package.sh packs <root>/win32; this is that build unless told otherwise.
build_root="$(dirname "$QM_BUILD_DIR")"
if [[ "$(basename "$QM_BUILD_DIR")" != win32 ]]; then
  echo "skipped: tools/package.sh packs only the build folder <root>/win32, not $QM_BUILD_DIR"
  exit 77
fi
setup="$build_root/Quellmarch-$version-setup.exe"
zip="$build_root/Quellmarch-$version.zip"
if [[ ! -f "$setup" || ! -f "$zip" ]] ||
   [[ -n "$(find "$QM_BIN_DIR"/{Quellmarch.exe,QuellmarchHelp.chm,ReleaseNotes.txt} \
              "$QM_SOURCE_DIR"/tools/installer "$QM_SOURCE_DIR"/docs/package/ReadMe.txt \
              "$QM_SOURCE_DIR"/examples/Example.qmf -newer "$setup" | head -n 1)" ]]; then
  QM_BUILD_ROOT="$build_root" "$QM_TOOLS_DIR/package.sh"
fi

export WINEPREFIX="$QM_BUILD_DIR/installer-prefix"
# Shortcuts the setup makes must not become menu entries of this machine.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
trap '(wineserver -k; wineserver -w) >/dev/null 2>&1 || true' EXIT
# Every file and registry key that names the program; none in a fresh prefix.
traces() {
  grep -il quellmarch "$WINEPREFIX"/*.reg 2>/dev/null || true
  find "$WINEPREFIX/drive_c" -iname '*quellmarch*' 2>/dev/null || true
}
# A run that failed half-way leaves its traces: start again from nothing.
if [[ -d "$WINEPREFIX" && -n "$(traces)" ]]; then
  echo "an earlier run left traces in $WINEPREFIX; making it anew"
  rm -rf "$WINEPREFIX"
fi
bash "$here/../harness/prefix-create.sh"
wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$QM_WINVER" /f >/dev/null

cmd_echo() { wine cmd /c echo "$1" </dev/null | tr -d '\r'; }
install_win="$(cmd_echo '%ProgramFiles%')\\Quellmarch" # the 32-bit Program Files
install_dir="$(winepath -u "$install_win" 2>/dev/null)"
menu_win="$(cmd_echo '%ProgramData%')\\Microsoft\\Windows\\Start Menu\\Programs\\Quellmarch"
menu_dir="$(winepath -u "$menu_win" 2>/dev/null)"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellmarch'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
settings_key='HKLM\Software\Quellmarch'
# reg_value KEY NAME: the value's data; fails when it is absent.
reg_value() {
  wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' |
    sed -n "s/^    $2    REG_[A-Z_]*    //p" | grep .
}
key_exists() { wine reg query "$1" </dev/null >/dev/null 2>&1; }
files_under() { (cd "$1" && find . -type f | sed 's#^\./##' | LC_ALL=C sort); }

# --- Silent install
start=$(now_ms)
wine "$setup" /S </dev/null || fail "the silent install ended with exit code $?"
install_ms=$(( $(now_ms) - start ))

programs="Quellmarch.exe QuellmarchHelp.chm ReleaseNotes.txt ReadMe.txt ConfigurationFiles/Example.qmf"
expected="$(printf '%s\n' $programs Uninstall.exe | LC_ALL=C sort)"
[[ "$(files_under "$install_dir")" == "$expected" ]] ||
  fail "installed files: $(files_under "$install_dir" | tr '\n' ' '), expected: $(tr '\n' ' ' <<<"$expected")"
for file in $programs; do
  unzip -p "$zip" "Quellmarch-$version/$file" | cmp -s - "$install_dir/$file" ||
    fail "the installed $file is not the zip's"
done

# Each shortcut: file name, then what it starts, as read_lnk.py prints it.
shortcuts=(
  "Quellmarch.lnk|target=$install_win\\Quellmarch.exe|arguments=$install_win\\ConfigurationFiles\\Example.qmf|icon=$install_win\\Quellmarch.exe,0"
  "Quellmarch Help.lnk|target=$install_win\\QuellmarchHelp.chm|arguments="
  "Uninstall Quellmarch.lnk|target=$install_win\\Uninstall.exe|arguments="
)
[[ "$(files_under "$menu_dir" | wc -l)" == "${#shortcuts[@]}" ]] ||
  fail "the Start menu folder holds: $(files_under "$menu_dir" | tr '\n' ' ')"
for shortcut in "${shortcuts[@]}"; do
  IFS='|' read -ra want <<<"$shortcut"
  [[ -f "$menu_dir/${want[0]}" ]] || fail "no shortcut ${want[0]}"
  read_out="$(python3 "$here/read_lnk.py" "$menu_dir/${want[0]}")"
  for field in "${want[@]:1}"; do
    grep -qxF "$field" <<<"$read_out" || fail "${want[0]}: no $field in: $read_out"
  done
done

uninstaller="\"$install_win\\Uninstall.exe\""
entry=(
  "DisplayName|Quellmarch" "DisplayVersion|$version" "Publisher|Quellmarch"
  "DisplayIcon|$install_win\\Quellmarch.exe,0" "InstallLocation|$install_win"
  "UninstallString|$uninstaller" "QuietUninstallString|$uninstaller /S"
  "NoModify|0x1" "NoRepair|0x1"
)
for pair in "${entry[@]}"; do
  name="${pair%%|*}" want="${pair#*|}"
  got="$(reg_value "$uninstall_key" "$name")" || fail "the uninstall entry has no $name"
  [[ "$got" == "$want" ]] || fail "the uninstall entry's $name is \"$got\", not \"$want\""
done
size_kb=$(( $(reg_value "$uninstall_key" EstimatedSize) ))
actual_kb=$(find "$install_dir" -type f -printf '%s\n' | awk '{ sum += $1 } END { print int(sum / 1024) }')
(( size_kb >= actual_kb && size_kb <= actual_kb + 8 )) ||
  fail "EstimatedSize is $size_kb KB; the files take $actual_kb KB"
echo "installed in $install_ms ms: $(wc -l <<<"$expected") files, ${#shortcuts[@]} shortcuts, the uninstall entry"

# --- The Start menu's entry runs the example; the tray menu ends it. The
# settings key exists, as after any first start: no welcome window.
wine reg add "$settings_key" /f >/dev/null
wine start "$menu_win\\Quellmarch.lnk" </dev/null
driver open-menu
tray_menu_shutdown
driver ended "$install_win\\ConfigurationFiles\\Example.qmf"

# --- A configuration of the user's beside the example, saved with "Start
# with Windows" checked: tray menu "&Options", File, "&Save Configuration
# File" and the note's OK, as app.start_with_windows does.
driver prepare-start >/dev/null
own="$install_dir/ConfigurationFiles/StartMe.qmf"
cp "$QM_BIN_DIR/app_test/StartMe.qmf" "$own"
# Named without its folder: the program finds it in its ConfigurationFiles.
wine "$install_win\\Quellmarch.exe" StartMe </dev/null &
instance=$!
driver open-menu
xdotool key o
read -r fileX fileY < <(driver options-shown)
xdotool mousemove "$fileX" "$fileY" click 1
sleep 0.5
xdotool key s
read -r okX okY < <(driver note-shown)
xdotool mousemove "$okX" "$okY" click 1
own_entry="\"$install_win\\Quellmarch.exe\" $(tr 'A-Z' 'a-z' <<<"$install_win\\ConfigurationFiles\\StartMe.qmf")"
for _ in $(seq 20); do
  [[ "$(reg_value "$run_key" Quellmarch1 || true)" == "$own_entry" ]] && break
  sleep 0.5
done
[[ "$(reg_value "$run_key" Quellmarch1 || true)" == "$own_entry" ]] ||
  fail "Quellmarch1 is \"$(reg_value "$run_key" Quellmarch1 || true)\", expected \"$own_entry\""
# Another copy's entry stays; one of the installed exe in other letters goes.
foreign_entry='"C:\Elsewhere\Quellmarch.exe" c:\elsewhere\own.qmf'
wine reg add "$run_key" /v Quellmarch2 /t REG_SZ /d "$foreign_entry" /f >/dev/null
wine reg add "$run_key" /v Quellmarch3 /t REG_SZ /d "\"${install_win^^}\\QUELLMARCH.EXE\" c:\\x.qmf" /f >/dev/null

# --- Silent uninstall with that instance still running, the way a script
# waits for an NSIS uninstaller and reads its exit code: a copy run with
# "_?=<folder>" (unquoted, so the words of the folder go one by one).
copy_dir="$WINEPREFIX/drive_c/windows/temp/qm-uninstall"
mkdir -p "$copy_dir"
cp "$install_dir/Uninstall.exe" "$copy_dir/"
read -ra in_folder <<<"_?=$install_win"
status=0
start=$(now_ms)
wine 'C:\windows\temp\qm-uninstall\Uninstall.exe' /S "${in_folder[@]}" </dev/null || status=$?
uninstall_ms=$(( $(now_ms) - start ))
rm -rf "$copy_dir"
if (( status == 0 )); then
  driver gone 1000 || fail "the uninstall succeeded while the instance still runs"
  echo "the running instance ended on the uninstaller's close request; uninstalled in $uninstall_ms ms"
else
  (( status == 3 )) || fail "the uninstaller stopped with exit code $status, not 3"
  driver options-shown >/dev/null || fail "the uninstaller stopped, yet the instance is gone"
  [[ "$(files_under "$install_dir")" == "$(printf '%s\n' $expected ConfigurationFiles/StartMe.qmf | LC_ALL=C sort)" ]] ||
    fail "the stopped uninstaller removed files: $(files_under "$install_dir" | tr '\n' ' ')"
  key_exists "$uninstall_key" && reg_value "$run_key" Quellmarch1 >/dev/null ||
    fail "the stopped uninstaller changed the registry"
  echo "the instance still ran after the close request: the uninstaller stopped after $uninstall_ms ms" \
       "with exit code 3 and changed nothing; shutting it down from the tray"
  driver open-menu
  tray_menu_shutdown
  wait "$instance"
  # What Windows runs for a silent removal. The uninstaller goes on from a
  # copy of itself in the temporary folder, so its end is the end of every
  # process in the prefix.
  quiet="$(reg_value "$uninstall_key" QuietUninstallString)"
  [[ "$quiet" =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "cannot read QuietUninstallString $quiet"
  start=$(now_ms)
  wine "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} </dev/null
  while [[ -e "$install_dir/Uninstall.exe" ]] && (( $(now_ms) - start < 30000 )); do sleep 0.1; done
  uninstall_ms=$(( $(now_ms) - start ))
  wineserver -w
  echo "uninstalled in $uninstall_ms ms"
fi

# --- What is left: the user's file, and the other program's start entry.
[[ "$(files_under "$install_dir")" == ConfigurationFiles/StartMe.qmf ]] ||
  fail "left in $install_dir: $(files_under "$install_dir" | tr '\n' ' ')"
[[ ! -e "$menu_dir" ]] || fail "the Start menu folder is still there"
! key_exists "$uninstall_key" || fail "the uninstall entry is still there"
! key_exists "$settings_key" || fail "the settings key $settings_key is still there"
for slot in 1 3; do
  ! reg_value "$run_key" "Quellmarch$slot" >/dev/null || fail "the start entry Quellmarch$slot is still there"
done
[[ "$(reg_value "$run_key" Quellmarch2 || true)" == "$foreign_entry" ]] || fail "another program's start entry went too"

# Nothing else names the program once the user's own file and the other
# entry are gone too: the registry files are written as the prefix's
# wineserver ends.
# (The setup's and the uninstaller's scratch folders, which Wine does not
# remove at the next start as Windows does, go too.)
rm -rf "$install_dir" "$WINEPREFIX"/drive_c/users/*/Temp/*
wine reg delete "$run_key" /v Quellmarch2 /f >/dev/null
wineserver -w
left="$(traces)"
[[ -z "$left" ]] || fail "traces of Quellmarch left in the prefix: $left"
echo "install $install_ms ms, uninstall $uninstall_ms ms; nothing of Quellmarch left but the user's file"
