#!/usr/bin/env bash
# Runs Quellmarch under Wine:  tools/run.sh [file.qmf]
# Installs what is missing, builds the exe that ships (the 32-bit one; the
# 64-bit one where Wine cannot run 32-bit programs, or with QM_RUN_PRESET=win64)
# and starts it with the named configuration file, or with
# examples/Example.qmf when none is named. Without a DISPLAY it runs on a
# virtual X display, which is enough to see it start and end.
#
# It uses its own Wine prefix, <build>/<preset>/wineprefix-run, so that what
# you do with the program (registry settings, start-up entries) never leaks
# into the prefix of the end-to-end tests.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tools/wine-widths.sh"
preset="${QM_RUN_PRESET:-win32}"
if (( $# > 1 )); then
  echo "usage: tools/run.sh [file.qmf]" >&2
  exit 2
fi

build="${QM_BUILD_ROOT:-$root/build}/$preset"
if [[ -z "${QM_RUN_BUILT:-}" ]]; then
  "$root/tools/setup-deps.sh"
  if [[ -z "${QM_RUN_PRESET:-}" ]] && ! qm_wine_runs_32bit; then
    echo "run.sh: this machine's Wine cannot run 32-bit programs; running the 64-bit exe"
    preset=win64
    build="${QM_BUILD_ROOT:-$root/build}/$preset"
  fi
  cmake --preset "$preset" -S "$root" -B "$build" >/dev/null
  cmake --build "$build" --target Quellmarch -j 2
  export QM_RUN_PRESET="$preset"
fi

if [[ -z "${DISPLAY:-}" ]]; then
  echo "run.sh: no DISPLAY, running on a virtual X display"
  QM_RUN_BUILT=1 QM_RUN_HEADLESS=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

qm_wine_use_what_runs
export WINEPREFIX="$build/wineprefix-run"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [[ ! -e "$WINEPREFIX/.qm-prefix-ready" ]]; then
  echo "run.sh: creating the Wine prefix $WINEPREFIX (once)"
  rm -rf "$WINEPREFIX"
  # winemenubuilder would write menu entries and file associations into $HOME.
  WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d" wineboot -i
  wineserver -w
  touch "$WINEPREFIX/.qm-prefix-ready"
fi
bash "$root/tools/wine-fonts.sh" "$WINEPREFIX"

file="${1:-$root/examples/Example.qmf}"
# A file that exists here is handed over as a Windows path; anything else is
# passed unchanged, for the program's own search (its folder and its
# ConfigurationFiles subfolder).
if [[ -f "$file" ]]; then
  file="$(winepath -w "$(realpath "$file")")"
fi

echo "run.sh: wine Quellmarch.exe $file"
status=0
wine "$build/bin/Quellmarch.exe" "$file" || status=$?
echo "run.sh: Quellmarch.exe ended with exit code $status"
if [[ -n "${QM_RUN_HEADLESS:-}" ]]; then
  # Whatever it started cannot outlive the virtual display anyway; ending it
  # now spares the "X connection broken" complaints.
  wineserver -k 2>/dev/null || true
  wineserver -w
fi
exit "$status"
