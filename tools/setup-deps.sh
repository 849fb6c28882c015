#!/usr/bin/env bash
# Installs the Debian packages that building and testing Quellmarch needs.
# Safe to run every time: it asks dpkg first and only touches apt when
# something is missing, so an equipped machine pays a fraction of a second.
set -euo pipefail

# Compilers (clang with its libFuzzer runtime for the fuzz targets), the two
# MinGW-w64 cross toolchains, the unit-test and benchmark libraries, the X
# tools the Wine tests drive and photograph, chmcmd and Python for the help
# file, zip and NSIS (makensis) for the release packages.
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  xvfb xauth imagemagick x11-apps xdotool
  fp-utils python3
  zip unzip nsis
)
# Wine's recommendations pull in hundreds of megabytes (fonts, GStreamer,
# printing) that a headless test run never uses.
# fonts-wine gives Wine the metrics of the Windows fonts, so windows look and
# lay out under test as they do on Windows. wine32:i386 runs 32-bit programs,
# the shipped exe among them, beside the 64-bit ones, as 64-bit Windows does;
# it needs the i386 architecture added to dpkg first.
wine_packages=(wine wine64 fonts-wine)
wine32_packages=(wine32:i386)

is_installed() {
  [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == "install ok installed" ]]
}

missing=()
missing_wine=()
for p in "${packages[@]}"; do is_installed "$p" || missing+=("$p"); done
for p in "${wine_packages[@]}" "${wine32_packages[@]}"; do is_installed "$p" || missing_wine+=("$p"); done

if (( ${#missing[@]} == 0 && ${#missing_wine[@]} == 0 )); then
  echo "setup-deps: all $(( ${#packages[@]} + ${#wine_packages[@]} + ${#wine32_packages[@]} )) packages present"
  exit 0
fi

echo "setup-deps: installing ${missing[*]} ${missing_wine[*]}"
as_root=()
if (( EUID != 0 )); then
  command -v sudo >/dev/null || { echo "setup-deps: need root (or sudo) to install packages" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
if [[ " ${missing_wine[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${as_root[@]}" dpkg --add-architecture i386
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
if (( ${#missing[@]} )); then
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi
if (( ${#missing_wine[@]} )); then
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing_wine[@]}" ||
    # A machine that cannot take i386 packages still gets the 64-bit Wine;
    # the test run then says that it cannot run the 32-bit exe.
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${wine_packages[@]}"
fi
