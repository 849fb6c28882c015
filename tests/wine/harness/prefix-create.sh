#!/usr/bin/env bash
# Fixture setup: makes the private Wine prefix once per build folder (and a
# test's own prefix, for a test that must not share one). Creating
# one costs about 15 s and 700 MB, so later runs reuse it; the marker is
# written last, so a creation that was interrupted is done again in full.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/common.sh"
: "${WINEPREFIX:?WINEPREFIX must be set}"
qm_use_harness_display

marker="$WINEPREFIX/.qm-prefix-ready"
fonts="$(cd "$(dirname "$0")/../../../tools" && pwd)/wine-fonts.sh"
# The marker names the Wine the prefix was made with: one made before the
# 32-bit Wine (Debian's wine32:i386) was installed lacks its 32-bit half.
kind=win64
qm_wine_runs_32bit && kind=wow64
if [[ -e "$marker" && "$(cat "$marker")" == "$kind" ]]; then
  bash "$fonts" "$WINEPREFIX"
  echo "Wine prefix ready: $WINEPREFIX"
  exit 0
fi

# Never delete a folder that is not the harness's own prefix, or the own
# prefix of a test (<build>/<name>-prefix).
case "$WINEPREFIX" in
  "$QM_BUILD_DIR"/wineprefix | "$QM_BUILD_DIR"/*-prefix) rm -rf "$WINEPREFIX" ;;
  *) [[ ! -e "$WINEPREFIX" ]] || { echo "refusing to replace $WINEPREFIX" >&2; exit 1; } ;;
esac

# winemenubuilder would write menu entries and file associations into $HOME.
WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winemenubuilder.exe=d" wineboot -i </dev/null
wineserver -w
bash "$fonts" "$WINEPREFIX"
echo "$kind" >"$marker"
echo "Wine prefix created: $WINEPREFIX ($kind)"
