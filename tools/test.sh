#!/usr/bin/env bash
# Runs every test of Quellmarch, from a fresh Debian machine or clone:
# packages, host unit tests, the same under the sanitizers, a short run of
# each fuzz target, both Windows builds (each with its compiled help file),
# the Windows 2000 import check, the release package and its check, and the
# Wine end-to-end tests, once against each exe: the shipped 32-bit one and
# the 64-bit one, each with helper programs of both widths.
# It goes on past a failing stage, so that one run reports everything, and
# ends with one line counting every ctest test: `tests: N passed, N failed`.
# Exit status is non-zero if any test, build or check failed.
#
# QM_WINE_SIDE_BY_SIDE=1 runs the two exes' Wine suites at once.
# QM_BUILD_ROOT (default: build) puts the build folders elsewhere, e.g. to
# keep them apart from someone else's in the same tree.
set -uo pipefail
exec </dev/null

root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tools/wine-widths.sh"
cd "$root"
build_root="${QM_BUILD_ROOT:-build}"
jobs=2 # the machine has two cores, and others build on it too
export CMAKE_BUILD_PARALLEL_LEVEL=$jobs

passed=0
failed=0
stage_report=()
failed_stages=()

# stage NAME COMMAND... : runs one step, times it and remembers its outcome.
stage() {
  local name="$1" start=$SECONDS status
  shift
  echo
  echo "=== $name"
  "$@"
  status=$?
  local took=$((SECONDS - start))
  if (( status == 0 )); then
    stage_report+=("$(printf '  %-22s %5ss  ok' "$name" "$took")")
  else
    stage_report+=("$(printf '  %-22s %5ss  FAILED' "$name" "$took")")
    failed_stages+=("$name")
  fi
  echo "=== $name: $( (( status == 0 )) && echo ok || echo FAILED) after ${took}s"
  return "$status"
}

skip() {
  stage_report+=("$(printf '  %-22s %6s  not run (%s)' "$1" "" "$2")")
  failed_stages+=("$1")
}

configure_and_build() { # PRESET
  cmake --preset "$1" -B "$build_root/$1" && cmake --build "$build_root/$1" -j "$jobs"
}

# Adds the counts of a ctest log to the totals. A test that did not run (a
# failed fixture, a timeout) counts as failed, as ctest says.
count_ctest_log() { # LOG PRESET STATUS
  local summary failures
  summary="$(grep -oE '[0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)"
  if [[ -n "$summary" ]]; then
    failures="${summary%% *}"
    passed=$((passed + ${summary##* } - failures))
    failed=$((failed + failures))
  elif (( $3 != 0 )); then
    echo "ctest in $build_root/$2 failed before it counted anything" >&2
  fi
}

# Runs ctest in a build folder and adds its counts to the totals.
run_ctest() { # PRESET
  local log status
  log="$(mktemp)"
  ctest --test-dir "$build_root/$1" --output-on-failure -j "$jobs" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  count_ctest_log "$log" "$1" "$status"
  rm -f "$log"
  return "$status"
}

# Runs ctest in several build folders at once and adds their counts to the
# totals; each folder's output is shown whole when all are done. For the
# end-to-end suites: each build has its own display and Wine prefix, and most
# of their time is Wine waiting for windows.
run_ctest_side_by_side() { # PRESET...
  local preset logs=() pids=() status=0 i one
  for preset in "$@"; do
    logs+=("$(mktemp)")
    ctest --test-dir "$build_root/$preset" --output-on-failure -j "$jobs" >"${logs[-1]}" 2>&1 &
    pids+=($!)
  done
  for i in "${!pids[@]}"; do
    preset="${*:$((i + 1)):1}"
    one=0
    wait "${pids[$i]}" || one=$?
    echo "--- ctest in $build_root/$preset"
    cat "${logs[$i]}"
    count_ctest_log "${logs[$i]}" "$preset" "$one"
    (( one == 0 )) || status=1
    rm -f "${logs[$i]}"
  done
  return "$status"
}

build_and_test() { # PRESET
  if stage "$1 build" configure_and_build "$1"; then
    stage "$1 tests" run_ctest "$1"
  else
    skip "$1 tests" "build failed"
  fi
}

overall_start=$SECONDS
stage "packages" "$root/tools/setup-deps.sh" || { skip "everything else" "packages missing"; }

if (( ${#failed_stages[@]} == 0 )); then
  build_and_test host
  build_and_test host-asan
  # Each fuzz target is one ctest test that fuzzes for 20 seconds;
  # tools/fuzz.sh runs them longer.
  build_and_test fuzz

  stage "import checker" "$root/tools/test-check-imports.sh"
  win32_built=0
  if stage "win32 build" configure_and_build win32; then
    win32_built=1
    stage "import check" "$root/tools/check-imports.sh" "$build_root/win32/bin/Quellmarch.exe"
    # The release package is made from the shipped 32-bit build.
    version="$(sed -n 's/^project(Quellmarch VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
    package="$build_root/Quellmarch-$version.zip"
    if stage "package" env QM_BUILD_ROOT="$build_root" "$root/tools/package.sh"; then
      stage "package check" "$root/tools/check-package.sh" "$package"
      stage "package checker" "$root/tools/test-check-package.sh" "$package"
    else
      skip "package check" "packaging failed"
    fi
  else
    skip "import check" "win32 build failed"
    skip "package" "win32 build failed"
  fi

  # The end-to-end tests of the exe that ships, then of the 64-bit one; with
  # QM_WINE_SIDE_BY_SIDE=1 the two suites run at once, each on its own
  # display and prefix, which saves minutes where the machine has the cores
  # to spare but makes every wait for a window compete for them.
  suites=()
  if (( ! win32_built )); then
    skip "win32 tests" "win32 build failed"
  elif qm_wine_runs_32bit; then
    suites+=(win32)
  else
    echo
    if [[ -x /usr/lib/wine/wine ]]; then
      echo "=== win32 tests: not run: this machine cannot run 32-bit programs (its kernel refuses the 32-bit Wine)"
    else
      echo "=== win32 tests: not run: this machine's Wine cannot run 32-bit programs (install wine32:i386)"
    fi
    stage_report+=("$(printf '  %-22s %6s  not run (no 32-bit programs here)' "win32 tests" "")")
    # The 64-bit exe's tests then start 64-bit helpers only, with a `wine`
    # that does not reach for the 32-bit loader.
    qm_wine_use_what_runs
  fi
  if stage "win64 build" configure_and_build win64; then
    suites+=(win64)
  else
    skip "win64 tests" "build failed"
  fi
  if (( ${#suites[@]} )); then
    if [[ -n "${QM_WINE_SIDE_BY_SIDE:-}" ]]; then
      stage "$(IFS=+; echo "${suites[*]}") tests" run_ctest_side_by_side "${suites[@]}"
    else
      for suite in "${suites[@]}"; do stage "$suite tests" run_ctest "$suite"; done
    fi
  fi
fi

echo
echo "=== stage times"
printf '%s\n' "${stage_report[@]}"
printf '  %-22s %5ss\n' "total" "$((SECONDS - overall_start))"
if (( ${#failed_stages[@]} )); then
  echo "FAILED: $(IFS=,; echo "${failed_stages[*]}" | sed 's/,/, /g')"
fi
echo "tests: $passed passed, $failed failed"
(( failed == 0 && ${#failed_stages[@]} == 0 ))
