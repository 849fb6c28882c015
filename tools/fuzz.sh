#!/usr/bin/env bash
# Fuzzes the readers of outside input and the pattern matcher for longer than
# the test run does: builds the `fuzz` preset, then runs every fuzz target for
# SECONDS (default 1800) at low priority, two at a time, and prints each
# one's executions and coverage. Each target goes on from the corpus its
# earlier runs kept in the build folder.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]     e.g. tools/fuzz.sh 600 pattern qmf
#
# A failing input is written to <build>/fuzz-work/artifacts/ and the run ends
# non-zero; the log of each target is in <build>/fuzz-work/logs/. QM_BUILD_ROOT
# works as for tools/test.sh.
set -uo pipefail
exec </dev/null

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds="${1:-1800}"
shift $(( $# > 0 ? 1 : 0 ))
build="${QM_BUILD_ROOT:-build}/fuzz"
work="$build/fuzz-work"

cmake --preset fuzz -B "$build" >/dev/null && cmake --build "$build" -j 2 || exit 1

targets=("$@")
if (( ${#targets[@]} == 0 )); then
  for binary in "$build"/bin/*_fuzzer; do
    name="$(basename "$binary")"
    targets+=("${name%_fuzzer}")
  done
fi

mkdir -p "$work/logs"
ASAN_OPTIONS="$(cat "$work/asan-options")"
export ASAN_OPTIONS
run_one() { # TARGET
  local arguments
  mapfile -t arguments <"$work/$1.arguments" || return 1
  nice -n 10 "$build/bin/$1_fuzzer" "${arguments[@]}" -max_total_time="$seconds" >"$work/logs/$1.log" 2>&1
}

status=0
pids=()
names=()
for target in "${targets[@]}"; do
  if (( ${#pids[@]} == 2 )); then
    wait "${pids[0]}" || status=1
    pids=("${pids[@]:1}")
  fi
  echo "fuzz: $target for ${seconds}s"
  run_one "$target" &
  pids+=("$!")
  names+=("$target")
done
for pid in "${pids[@]}"; do wait "$pid" || status=1; done

printf '\n%-15s %12s %8s %8s  %s\n' target executions cov ft outcome
for target in "${names[@]}"; do
  log="$work/logs/$target.log"
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  done_line="$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1)"
  cov="$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$done_line")"
  ft="$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$done_line")"
  outcome="clean"
  if ! grep -q '^Done [0-9]* runs' "$log"; then outcome="FAILED, see $log"; fi
  printf '%-15s %12s %8s %8s  %s\n' "$target" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$outcome"
done
exit "$status"
