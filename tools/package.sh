#!/usr/bin/env bash
# Builds the release packages from the 32-bit build (preset win32):
#   tools/package.sh   ->   $QM_BUILD_ROOT/Quellmarch-<version>.zip
#                           $QM_BUILD_ROOT/Quellmarch-<version>-setup.exe
# The zip is one folder, Quellmarch-<version>, with the exe, its help file and
# release notes, a user's readme and the example configuration in the
# ConfigurationFiles folder, where the program looks for a file named on its
# command line. Text files get Windows line ends; every file gets the time of
# the last commit, so the same sources give the same zip. The setup program
# (NSIS, tools/installer/Quellmarch.nsi) installs the very same files.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build_root="$(realpath -m "${QM_BUILD_ROOT:-build}")"
version="$(sed -n 's/^project(Quellmarch VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
[[ -n "$version" ]] || { echo "package: no version in CMakeLists.txt" >&2; exit 1; }
bin="$build_root/win32/bin"
for built in Quellmarch.exe QuellmarchHelp.chm ReleaseNotes.txt; do
  [[ -f "$bin/$built" ]] || { echo "package: no $bin/$built; build the win32 preset first" >&2; exit 1; }
done

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
dir="$stage/Quellmarch-$version"
mkdir -p "$dir/ConfigurationFiles"
cp "$bin/Quellmarch.exe" "$bin/QuellmarchHelp.chm" "$bin/ReleaseNotes.txt" "$dir/"
with_crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }
with_crlf docs/package/ReadMe.txt "$dir/ReadMe.txt"
with_crlf examples/Example.qmf "$dir/ConfigurationFiles/Example.qmf"

stamp="$(git log -1 --format=%ct 2>/dev/null || date +%s)"
find "$dir" -exec touch -h -d "@$stamp" {} +
zip_file="$build_root/Quellmarch-$version.zip"
rm -f "$zip_file"
(cd "$stage" && find "Quellmarch-$version" -type f | LC_ALL=C sort | zip -q -X -D "$zip_file" -@)
echo "package: $zip_file ($(unzip -Z1 "$zip_file" | wc -l) files)"

setup_file="$build_root/Quellmarch-$version-setup.exe"
rm -f "$setup_file"
makensis -V2 -WX -DVERSION="$version" -DSTAGE="$dir" -DOUTFILE="$setup_file" \
  "$root/tools/installer/Quellmarch.nsi" >"$stage/makensis.log" ||
  { cat "$stage/makensis.log" >&2; echo "package: makensis failed" >&2; exit 1; }
echo "package: $setup_file ($(stat -c %s "$setup_file") bytes)"
