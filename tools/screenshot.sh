#!/usr/bin/env bash
# Photographs the X display (or one window of it) as a PNG:
#   screenshot.sh OUT.png [WINDOW-ID]
# A bare file name lands in $QM_SCREENSHOT_DIR (the Wine tests set it to
# <build>/screenshots); a path with a folder is used as it stands.
set -euo pipefail
if (( $# < 1 || $# > 2 )); then
  echo "usage: screenshot.sh OUT.png [WINDOW-ID]" >&2
  exit 2
fi
: "${DISPLAY:?screenshot.sh needs an X display}"

out="$1"
if [[ "$out" != */* ]]; then
  dir="${QM_SCREENSHOT_DIR:-${QM_BUILD_DIR:?set QM_SCREENSHOT_DIR or QM_BUILD_DIR}/screenshots}"
  out="$dir/$out"
fi
mkdir -p "$(dirname "$out")"

# ImageMagick's import, not xwd: Wine gives its windows their own colormap,
# and xwd then rebuilds the root window by window and paints any window of
# ours that overlaps another one solid black.
import -window "${2:-root}" "png:$out"
echo "$out"
