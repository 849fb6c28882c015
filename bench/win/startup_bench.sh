#!/usr/bin/env bash
# Start-up cost of the exes, as a new user meets it: start, one toggle (one
# process entry that matches nothing; Activate_onLaunch=1, Quit_after_activate=1,
# Hide_Splashscreen=1, Message_Delay=0) and quit, measured as the processor
# time (user + system) of the whole process under a running wineserver,
# against a minimal tray program that adds an icon, lists the processes once
# and quits (qm_minimal_tray.exe, built beside each exe).
#
#   bench/win/startup_bench.sh [RUNS]      (default 15; needs built win32/win64)
#
# Each figure is the least of RUNS runs, the two programs taking turns: the
# others only add the noise of whatever else the machine does. Prints the
# figures and their ratio per exe, and the medians' ratio beside them.
# A figure, never a verdict: the exit code says only whether it could measure.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build_root="${QM_BUILD_ROOT:-$root/build}"
runs="${1:-15}"
source "$root/tools/wine-widths.sh"
qm_wine_use_what_runs
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

# The loader of each width, started directly: under `wine` a 64-bit exe runs
# in a process that the 32-bit loader starts and does not wait for, so its
# time would be lost.
loader_of() { [[ "$1" == win32 ]] && echo /usr/lib/wine/wine || echo /usr/lib/wine/wine64; }

measured=0
for preset in win32 win64; do
  bin="$build_root/$preset/bin"
  loader="$(loader_of "$preset")"
  if [[ ! -x "$bin/Quellmarch.exe" || ! -x "$bin/qm_minimal_tray.exe" || ! -x "$loader" ]]; then
    echo "startup $preset: not measured (no built exe, minimal program or Wine loader)"
    continue
  fi
  if [[ "$preset" == win32 ]] && ! qm_wine_runs_32bit; then
    echo "startup $preset: not measured (this machine cannot run 32-bit programs)"
    continue
  fi
  export WINEPREFIX="$build_root/$preset/wineprefix-bench"
  if [[ ! -e "$WINEPREFIX/.qm-bench-ready" ]]; then
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d" wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.qm-bench-ready"
  fi
  wineserver -p
  # Not a first start: the settings key is there, in the exe's registry view.
  view=/reg:32
  [[ "$preset" == win64 ]] && view=/reg:64
  wine reg add 'HKLM\Software\Quellmarch' $view /f </dev/null >/dev/null 2>&1
  qmf="$WINEPREFIX/drive_c/startup.qmf"
  printf '%s\r\n' '[Quellmarch]' 'FileVersion=1' '[Startup_Options]' 'Start_with_windows=0' 'Hide_Splashscreen=1' \
    'Quit_after_activate=1' 'Activate_onLaunch=1' 'Start_Location=0' 'Start_State=0' '[Configuration]' \
    'DoubleClick_Action=0' 'Hide_errors=1' 'Message_Delay=0' '[Run_Programs]' '[Terminate_Processes]' \
    '0=1 *\QmNothingRunsUnderThisName.exe' >"$qmf"
  # A window that outlives every run keeps Wine's desktop up, so no run pays
  # for starting it (the minimal program would pay it as well).
  "$loader" "$bin/qm_minimal_tray.exe" --stay </dev/null >/dev/null 2>&1 &
  keeper=$!
  sleep 2
  python3 - "$runs" "$preset" "$loader" "$bin/Quellmarch.exe" 'C:\startup.qmf' "$bin/qm_minimal_tray.exe" <<'PY'
import os, subprocess, sys
runs, preset, loader, exe, qmf, minimal = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5], sys.argv[6]

def cpu(command):
    child = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, _, usage = os.wait4(child.pid, 0)
    return usage.ru_utime + usage.ru_stime

# The two programs take turns, so a slow spell of the machine weighs on both.
program_times, least_times = [], []
for _ in range(runs):
    program_times.append(cpu([loader, exe, qmf]))
    least_times.append(cpu([loader, minimal]))
program_times.sort()
least_times.sort()
program, least = program_times[0], least_times[0]
program_median, least_median = program_times[runs // 2], least_times[runs // 2]
width = "i686" if preset == "win32" else "x86_64"
print(f"startup {width}: Quellmarch {program:.3f} s, minimal tray program {least:.3f} s, "
      f"ratio {program / least:.2f} (least of {runs}; medians {program_median:.3f} s and {least_median:.3f} s, "
      f"ratio {program_median / least_median:.2f})")
PY
  kill "$keeper" 2>/dev/null
  wineserver -k 2>/dev/null
  wineserver -w
  measured=1
done
(( measured ))
