#!/usr/bin/env bash
# Runs one end-to-end test for qm_wine_test():
#   run-test.sh --winver VER --timeout SECONDS (--exe WINDOWS_EXE | --script HOST_SCRIPT) [-- ARGS...]
# Wine is told which Windows version to report, the exe runs under Wine (or
# the script on the host), and afterwards every Wine process the test left
# behind is ended, so that no test sees the windows or processes of another.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/common.sh"

winver="" limit="" exe="" script=""
while (( $# )); do
  case "$1" in
    --winver) winver="$2"; shift 2 ;;
    --timeout) limit="$2"; shift 2 ;;
    --exe) exe="$2"; shift 2 ;;
    --script) script="$2"; shift 2 ;;
    --) shift; break ;;
    *) echo "run-test.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
if [[ -z "$winver" || -z "$limit" || -z "$exe$script" ]]; then
  echo "usage: run-test.sh --winver VER --timeout S (--exe EXE | --script SCRIPT) [-- ARGS...]" >&2
  exit 2
fi
: "${WINEPREFIX:?WINEPREFIX must be set}"
qm_use_harness_display || exit 1
export QM_WINVER="$winver"

# The version is read by each Wine process as it starts. Tests hold the
# prefix one at a time, so the global setting is theirs for the duration.
if ! wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$winver" /f </dev/null >/dev/null; then
  echo "could not make Wine report Windows version $winver" >&2
  exit 1
fi

if [[ -n "$exe" ]]; then
  command=(wine "$exe" "$@")
elif [[ -x "$script" ]]; then
  command=("$script" "$@")
else
  command=(bash "$script" "$@")
fi

# Ending the test here, rather than letting ctest kill it, leaves time to
# clean the prefix up; timeout signals the whole process group, so helpers
# that a script started in the background end too.
timeout --kill-after=3 "$limit" "${command[@]}" </dev/null
status=$?
if (( status == 124 || status == 137 )); then
  echo "wine test timed out after ${limit} s" >&2
fi

wineserver -k >/dev/null 2>&1
wineserver -w
exit "$status"
