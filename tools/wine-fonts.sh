#!/usr/bin/env bash
# Puts the Windows-metric fonts of Debian's fonts-wine into a Wine prefix:
#   wine-fonts.sh PREFIX
# This Wine does not look in its own data folder for them, so without a copy in
# the prefix every face ("MS Sans Serif" included) falls back to a wider
# fontconfig font and captions no longer fit their designed rectangles.
# Fonts already there are kept, so running it again costs next to nothing.
set -euo pipefail
prefix="${1:?usage: wine-fonts.sh PREFIX}"
source_dir=/usr/share/wine/fonts
target="$prefix/drive_c/windows/Fonts"
[[ -d "$source_dir" && -d "$target" ]] || exit 0
cp -n "$source_dir"/* "$target"/ 2>/dev/null || true
