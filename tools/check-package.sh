#!/usr/bin/env bash
# Checks the release packages as a user would receive them:
#   check-package.sh Quellmarch-<version>.zip
# Unpacks the zip and fails unless it holds exactly the expected files, the
# exe is the 32-bit GUI program, it imports nothing that a bare Windows 2000
# lacks (check-imports.sh, so no DLL has to lie beside it), the help file
# carries its context map, and the texts have Windows line ends. The setup
# program beside it, Quellmarch-<version>-setup.exe, must be a 32-bit GUI
# program too, just as free of newer imports, and small. (What it installs is
# checked under Wine, by the test wine.installer.install_uninstall.)
set -euo pipefail

tools="$(cd "$(dirname "$0")" && pwd)"
(( $# == 1 )) || { echo "usage: check-package.sh ZIP" >&2; exit 2; }
zip_file="$1"
[[ "$(basename "$zip_file")" =~ ^(Quellmarch-([0-9.]+))\.zip$ ]] ||
  { echo "check-package: $zip_file is not named Quellmarch-<version>.zip" >&2; exit 2; }
top="${BASH_REMATCH[1]}"
version="${BASH_REMATCH[2]}"
setup_file="$(dirname "$zip_file")/$top-setup.exe"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unzip -q "$zip_file" -d "$work"
problems=()

expected="$(printf '%s\n' Quellmarch.exe QuellmarchHelp.chm ReleaseNotes.txt ReadMe.txt \
  ConfigurationFiles/Example.qmf | sed "s#^#$top/#" | LC_ALL=C sort)"
actual="$(cd "$work" && find . -mindepth 1 -type f | sed 's#^\./##' | LC_ALL=C sort)"
while read -r missing; do problems+=("missing: $missing"); done < <(comm -23 <(echo "$expected") <(echo "$actual"))
while read -r extra; do problems+=("unexpected: $extra"); done < <(comm -13 <(echo "$expected") <(echo "$actual"))

# PE header: e_lfanew at 0x3C, then "PE\0\0", the machine (0x14C: i386) and,
# 24 bytes on, the optional header's magic (0x10B: PE32) and at 68 into it
# the subsystem (2: Windows GUI).
le() { od -An -t u"$2" -j "$3" -N "$2" "$1" | tr -d ' '; }
check_program() { # FILE NAME MAX_BYTES
  local file="$1" name="$2" max_bytes="$3" pe size
  pe="$(le "$file" 4 60)"
  if [[ "$(od -An -c -j "$pe" -N 4 "$file" | tr -d ' ')" != 'PE\0\0' ]]; then
    problems+=("$name is not a PE executable")
    return
  fi
  (( $(le "$file" 2 $((pe + 4))) == 0x14C )) || problems+=("$name is not built for i386")
  (( $(le "$file" 2 $((pe + 24))) == 0x10B )) || problems+=("$name is not a 32-bit (PE32) image")
  (( $(le "$file" 2 $((pe + 24 + 68))) == 2 )) || problems+=("$name is not a Windows GUI program")
  "$tools/check-imports.sh" "$file" >/dev/null || problems+=("$name needs more than Windows 2000 has")
  size="$(stat -c %s "$file")"
  (( size <= max_bytes )) || problems+=("$name is $size bytes, more than $max_bytes")
}
# One small file is the promise: the exe stays within 1.5 MB, and the setup
# program, which holds it compressed, within 1 MB.
exe="$work/$top/Quellmarch.exe"
[[ ! -f "$exe" ]] || check_program "$exe" Quellmarch.exe 1500000
if [[ -f "$setup_file" ]]; then
  check_program "$setup_file" "$(basename "$setup_file")" 1000000
else
  problems+=("no setup program $(basename "$setup_file") beside the zip")
fi

help_file="$work/$top/QuellmarchHelp.chm"
if [[ -f "$help_file" ]] &&
   ! python3 "$tools/chm/check-help.py" "$help_file" >/dev/null; then
  problems+=("QuellmarchHelp.chm does not hold its contexts")
fi
notes="$work/$top/ReleaseNotes.txt"
[[ ! -f "$notes" ]] || grep -q "^Version $version"$'\r$' "$notes" ||
  problems+=("ReleaseNotes.txt has no notes of version $version")
for text in ReleaseNotes.txt ReadMe.txt ConfigurationFiles/Example.qmf; do
  [[ ! -f "$work/$top/$text" ]] || ! grep -q $'[^\r]$\|^$' "$work/$top/$text" ||
    problems+=("$text has lines without Windows line ends")
done

if (( ${#problems[@]} )); then
  for problem in "${problems[@]}"; do echo "check-package: $(basename "$zip_file"): $problem" >&2; done
  exit 1
fi
echo "check-package: $(basename "$zip_file") holds its $(wc -l <<<"$actual") files;" \
     "Quellmarch.exe is the 32-bit GUI program and needs nothing beside it;" \
     "$(basename "$setup_file") is a 32-bit GUI program of $(stat -c %s "$setup_file") bytes"
