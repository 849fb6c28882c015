#!/usr/bin/env bash
# Shows that check-imports.sh refuses what it must refuse: it builds tiny
# 32-bit exes that import an XP-only function, a static psapi.dll function and
# a function by ordinal, and one that imports only what Windows 2000 has.
set -euo pipefail
tools="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cxx=i686-w64-mingw32-g++-win32
command -v "$cxx" >/dev/null || cxx=i686-w64-mingw32-g++

failures=0
build() { # NAME SOURCE [LINK ARGS...]
  local name="$1" source="$2"
  shift 2
  printf '%s\n' "$source" >"$work/$name.cpp"
  "$cxx" -static -mwindows -o "$work/$name.exe" "$work/$name.cpp" -L"$work" "$@"
}
expect_pass() { # NAME [CHECKER ARGS...]
  local name="$1"
  shift
  if bash "$tools/check-imports.sh" "$@" "$work/$name.exe" >"$work/$name.out" 2>&1; then
    echo "ok: $name passes"
  else
    echo "FAIL: $name was refused:"; cat "$work/$name.out"; failures=$((failures + 1))
  fi
}
expect_refusal() { # NAME IMPORT [CHECKER ARGS...]
  local name="$1" import="$2"
  shift 2
  if bash "$tools/check-imports.sh" "$@" "$work/$name.exe" >"$work/$name.out" 2>&1; then
    echo "FAIL: $name passed although it imports $import"; failures=$((failures + 1))
  elif ! grep -qxF "  $import" "$work/$name.out"; then
    echo "FAIL: $name was refused without naming $import:"; cat "$work/$name.out"; failures=$((failures + 1))
  else
    echo "ok: $name refused for $import"
  fi
}

build win2000 '#include <windows.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return MessageBoxA(nullptr, "x", "y", MB_OK) == IDOK ? 0 : GetVersion() == 0;
}'
expect_pass win2000

build xp_only '#define _WIN32_WINNT 0x0501
#include <windows.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HMODULE m;
  return GetModuleHandleExA(0, nullptr, &m) ? 0 : 1;
}'
expect_refusal xp_only 'kernel32.dll!GetModuleHandleExA'

build static_psapi '#define _WIN32_WINNT 0x0500
#include <windows.h>
#include <psapi.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  DWORD ids[16], bytes;
  return EnumProcesses(ids, sizeof ids, &bytes) ? 0 : 1;
}' -lpsapi
expect_refusal static_psapi 'psapi.dll!EnumProcesses'

# Ordinal-only imports show in the dump without a name.
printf 'LIBRARY hhctrl.ocx\nEXPORTS\nHtmlHelpA@16 @14 NONAME\n' >"$work/hhctrl.def"
i686-w64-mingw32-dlltool -k -d "$work/hhctrl.def" -l "$work/libhhctrl.a"
build by_ordinal '#include <windows.h>
extern "C" HWND WINAPI HtmlHelpA(HWND, LPCSTR, UINT, DWORD_PTR);
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return HtmlHelpA(nullptr, "x", 0, 0) != nullptr;
}' -lhhctrl
expect_refusal by_ordinal 'hhctrl.ocx!@14'
{ cat "$tools/win2000-imports.txt"; echo 'hhctrl.ocx!@14   # allowed for this test only'; } >"$work/with-ordinal.txt"
expect_pass by_ordinal --allowed "$work/with-ordinal.txt"

if (( failures )); then
  echo "check-imports self-test: $failures failed"
  exit 1
fi
echo "check-imports self-test: all cases behave"
