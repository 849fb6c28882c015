#!/usr/bin/env bash
# What a SCRIPT test is promised: the environment, a working display, Wine in
# the private prefix, and a screenshot helper that writes real images.
set -euo pipefail

for var in WINEPREFIX DISPLAY QM_BIN_DIR QM_BUILD_DIR QM_TOOLS_DIR QM_SCREENSHOT_DIR QM_WINVER; do
  [[ -n "${!var:-}" ]] || { echo "$var is not set" >&2; exit 1; }
done
[[ "$PWD" == "$QM_BIN_DIR" ]] || { echo "runs in $PWD, not in $QM_BIN_DIR" >&2; exit 1; }
[[ "$WINEPREFIX" == "$QM_BUILD_DIR/wineprefix" ]] || { echo "foreign prefix $WINEPREFIX" >&2; exit 1; }
[[ -f "$QM_BIN_DIR/Quellmarch.exe" ]] || { echo "no Quellmarch.exe in $QM_BIN_DIR" >&2; exit 1; }

xdotool getdisplaygeometry >/dev/null

# Wine runs a Windows command in the prefix and hands its output back.
answer="$(wine cmd.exe /c echo harness-ok </dev/null | tr -d '\r')"
[[ "$answer" == harness-ok ]] || { echo "wine cmd.exe said: $answer" >&2; exit 1; }

shot="harness-self-test.png"
rm -f "$QM_SCREENSHOT_DIR/$shot"
"$QM_TOOLS_DIR/screenshot.sh" "$shot"
[[ "$(head -c 8 "$QM_SCREENSHOT_DIR/$shot" | od -An -tx1 | tr -d ' \n')" == 89504e470d0a1a0a ]] \
  || { echo "$shot is not a PNG" >&2; exit 1; }
echo "script environment complete"
