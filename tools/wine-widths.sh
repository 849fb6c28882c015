# Sourced: which programs this machine's Wine can run, and a `wine` command
# that works either way.
#
# Debian's `wine` starts the 32-bit loader (wine32:i386) whenever it is
# installed, and that loader starts 64-bit programs in turn. A kernel built
# without 32-bit support refuses the loader ("Exec format error"), and then
# plain `wine` fails for every program, 64-bit ones too.

# True when a 32-bit program can run: the loader is there and the kernel runs it.
qm_wine_runs_32bit() {
  [[ -x /usr/lib/wine/wine ]] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Where no 32-bit program can run, tells the 64-bit exe's tests to start
# 64-bit helper programs only; where the 32-bit loader is installed all the
# same, puts first on PATH a `wine` (and the `wine-stable` that wineboot and
# the other tools call) that starts the 64-bit loader, as Debian's does
# without the 32-bit Wine.
qm_wine_use_what_runs() {
  qm_wine_runs_32bit && return 0
  export QM_HELPERS_64BIT_ONLY=1
  [[ -x /usr/lib/wine/wine ]] || return 0
  local dir="${TMPDIR:-/tmp}/qm-wine64-only-$(id -u)" name
  mkdir -p "$dir"
  for name in wine wine-stable; do
    printf '%s\n' '#!/bin/sh' \
      ': "${WINELOADER:=/usr/lib/wine/wine64}"' \
      ': "${WINEDEBUG:=fixme-all}"' \
      'export WINELOADER WINEDEBUG' \
      'exec /usr/lib/wine/wine64 "$@"' >"$dir/$name.$$"
    chmod +x "$dir/$name.$$"
    mv -f "$dir/$name.$$" "$dir/$name"
  done
  case ":$PATH:" in
    *":$dir:"*) ;;
    *) PATH="$dir:$PATH" ;;
  esac
  export PATH
}
