# Sourced by the harness scripts: where the harness keeps what one ctest run
# shares between its tests (the display number, the Xvfb process id).
: "${QM_BUILD_DIR:?QM_BUILD_DIR must name the build folder}"
qm_state_dir="$QM_BUILD_DIR/wine-harness"
source "$(cd "$(dirname "${BASH_SOURCE[0]}")/../../../tools" && pwd)/wine-widths.sh"
qm_wine_use_what_runs
qm_display_file="$qm_state_dir/display"
qm_xvfb_pid_file="$qm_state_dir/xvfb.pid"

# Tests talk to the Xvfb that the display fixture started. Run by hand
# without that fixture, a script may still use the DISPLAY it was given.
qm_use_harness_display() {
  if [[ -s "$qm_display_file" ]]; then
    DISPLAY=":$(tr -d '[:space:]' <"$qm_display_file")"
    export DISPLAY
  elif [[ -z "${DISPLAY:-}" ]]; then
    echo "no X display: the fixture test wine.setup.display has not run" >&2
    return 1
  fi
}
