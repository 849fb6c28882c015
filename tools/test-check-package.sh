#!/usr/bin/env bash
# Tests check-package.sh: it passes the package tools/package.sh built, and
# refuses each way a package can go wrong (a stray or missing file, an exe
# that is not the 32-bit one or too big, a text with Unix line ends).
#   test-check-package.sh Quellmarch-<version>.zip
set -uo pipefail

tools="$(cd "$(dirname "$0")" && pwd)"
good="$(realpath "$1")"
name="$(basename "$good")"
top="${name%.zip}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# variant NAME EDIT: unpacks the good package, applies EDIT inside its folder,
# packs it again and expects the check to refuse it.
variant() {
  local case="$1" edit="$2"
  rm -rf "$work/case" && mkdir -p "$work/case/out"
  (cd "$work/case" && unzip -q "$good" && cd "$top" && eval "$edit") &&
    (cd "$work/case" && zip -q -r "out/$name" "$top")
  if "$tools/check-package.sh" "$work/case/out/$name" 2>/dev/null; then
    echo "test-check-package: $case: accepted" >&2
    failures=$((failures + 1))
  fi
}

"$tools/check-package.sh" "$good" >/dev/null || { echo "test-check-package: the built package is refused" >&2; failures=1; }
variant stray_dll 'cp Quellmarch.exe libstdc++-6.dll'
variant missing_help 'rm QuellmarchHelp.chm'
variant pe32_plus 'printf "\x0b\x02" | dd of=Quellmarch.exe bs=1 seek=$(( $(od -An -t u4 -j 60 -N 4 Quellmarch.exe) + 24 )) conv=notrunc status=none'
variant oversized_exe 'truncate -s 1500001 Quellmarch.exe'
variant unix_readme 'sed -i "s/\r$//" ReadMe.txt'

(( failures == 0 )) && echo "test-check-package: all cases as expected"
(( failures == 0 ))
