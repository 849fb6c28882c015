#!/usr/bin/env bash
# Fails when a Windows exe imports a function that Windows 2000 does not have.
#   check-imports.sh [--allowed LIST] EXE
# Such an exe would not even start there: the loader refuses it before our
# code runs. LIST defaults to win2000-imports.txt beside this script; each line
# is dll!Function (dll in lower case) or dll!@ordinal; # starts a comment.
set -euo pipefail

allowed="$(cd "$(dirname "$0")" && pwd)/win2000-imports.txt"
if [[ "${1:-}" == --allowed ]]; then
  allowed="$2"
  shift 2
fi
if (( $# != 1 )); then
  echo "usage: check-imports.sh [--allowed LIST] EXE" >&2
  exit 2
fi
exe="$1"
objdump="${QM_OBJDUMP:-i686-w64-mingw32-objdump}"
[[ -f "$exe" ]] || { echo "check-imports: no file $exe" >&2; exit 2; }
[[ -f "$allowed" ]] || { echo "check-imports: no list $allowed" >&2; exit 2; }

dump="$("$objdump" -p "$exe")"

# One dll!Function per imported function, read from objdump's interpreted
# import table. A function imported by ordinal only is dll!@ordinal.
imports="$(awk '
  /^The Import Tables/ { in_table = 1; next }
  /^(The |PE File )/   { in_table = 0 }
  !in_table            { next }
  /DLL Name:/          { dll = tolower($3); next }
  /^[ \t]*$/           { dll = ""; next }
  dll != "" && /^\t[0-9a-fA-F]+\t/ {
    name = ($3 == "" || $3 == "<none>") ? "@" $2 : $3
    print dll "!" name
  }' <<<"$dump" | sort -u)"

if [[ -z "$imports" ]]; then
  # Every Windows exe imports at least from KERNEL32; reading none means the
  # dump was not understood, and an empty list must not pass as a clean one.
  echo "check-imports: found no imports in $exe" >&2
  exit 1
fi

refused="$(awk '
  NR == FNR {
    sub(/#.*/, "", $0)
    if ($0 ~ /^[ \t]*$/) next
    gsub(/[ \t\r]/, "", $0)
    split($0, part, "!")
    ok[tolower(part[1]) "!" part[2]] = 1
    next
  }
  !($0 in ok)' "$allowed" - <<<"$imports")"

count="$(wc -l <<<"$imports")"
if [[ -n "$refused" ]]; then
  echo "check-imports: $(basename "$exe") imports functions that Windows 2000 lacks" \
       "(or that $(basename "$allowed") does not list yet):" >&2
  sed 's/^/  /' <<<"$refused" >&2
  exit 1
fi
echo "check-imports: $(basename "$exe") imports $count functions, all on Windows 2000"
