#!/usr/bin/env bash
# Writes the goldens of every window (tests/unit/data/goldens) anew from the
# program, after a change to a window was meant: the change then shows in
# the diff of the commit that makes it. Builds the host tool that writes them.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build="${QM_BUILD_ROOT:-build}/host"
cmake --preset host -B "$build" >/dev/null
cmake --build "$build" -j 2 --target qm_write_goldens
"$build/bin/qm_write_goldens" tests/unit/data/goldens
git status --short tests/unit/data/goldens
