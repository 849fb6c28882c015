#!/usr/bin/env bash
# Fixture cleanup: ends every Wine process of the prefix (and its wineserver)
# before the display they draw on goes away.
set -uo pipefail
: "${WINEPREFIX:?WINEPREFIX must be set}"
wineserver -k >/dev/null 2>&1
wineserver -w
exit 0
