#!/usr/bin/env bash
# Tests check-package.sh: it passes the packages tools/package.sh built, and
# refuses each way a package can go wrong (a stray or missing file, an exe
# that is not the 32-bit one or too big, a text with Unix line ends; a setup
# program that is missing, not a 32-bit GUI program or too big).
#   test-check-package.sh Quellmarch-<version>.zip   (its setup program beside it)
set -uo pipefail

tools="$(cd "$(dirname "$0")" && pwd)"
good="$(realpath "$1")"
name="$(basename "$good")"
top="${name%.zip}"
good_setup="$(dirname "$good")/$top-setup.exe"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

refused() { # CASE
  if "$tools/check-package.sh" "$work/case/out/$name" 2>/dev/null; then
    echo "test-check-package: $1: accepted" >&2
    failures=$((failures + 1))
  fi
}

# variant NAME EDIT: unpacks the good package, applies EDIT inside its folder,
# packs it again and expects the check to refuse it.
variant() {
  local case="$1" edit="$2"
  rm -rf "$work/case" && mkdir -p "$work/case/out"
  cp "$good_setup" "$work/case/out/"
  (cd "$work/case" && unzip -q "$good" && cd "$top" && eval "$edit") &&
    (cd "$work/case" && zip -q -r "out/$name" "$top")
  refused "$case"
}

# setup_variant NAME EDIT: the good zip beside a copy of the setup program
# that EDIT (run in the folder of both) changes.
setup_variant() {
  local case="$1" edit="$2"
  rm -rf "$work/case" && mkdir -p "$work/case/out"
  cp "$good" "$good_setup" "$work/case/out/"
  (cd "$work/case/out" && setup="$top-setup.exe" && eval "$edit")
  refused "$case"
}
pe_offset() { od -An -t u4 -j 60 -N 4 "$1" | tr -d ' '; }

"$tools/check-package.sh" "$good" >/dev/null || { echo "test-check-package: the built package is refused" >&2; failures=1; }
variant stray_dll 'cp Quellmarch.exe libstdc++-6.dll'
variant missing_help 'rm QuellmarchHelp.chm'
variant pe32_plus 'printf "\x0b\x02" | dd of=Quellmarch.exe bs=1 seek=$(( $(od -An -t u4 -j 60 -N 4 Quellmarch.exe) + 24 )) conv=notrunc status=none'
variant oversized_exe 'truncate -s 1500001 Quellmarch.exe'
variant unix_readme 'sed -i "s/\r$//" ReadMe.txt'
setup_variant missing_setup 'rm "$setup"'
setup_variant setup_pe32_plus 'printf "\x0b\x02" | dd of="$setup" bs=1 seek=$(( $(pe_offset "$setup") + 24 )) conv=notrunc status=none'
setup_variant setup_console 'printf "\x03\x00" | dd of="$setup" bs=1 seek=$(( $(pe_offset "$setup") + 24 + 68 )) conv=notrunc status=none'
setup_variant oversized_setup 'truncate -s 1000001 "$setup"'

(( failures == 0 )) && echo "test-check-package: all cases as expected"
(( failures == 0 ))
