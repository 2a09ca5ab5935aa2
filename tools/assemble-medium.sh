#!/usr/bin/env bash
# Assembles the demo installation medium: the program and its dictionary
# library from the win64 build, the pictures of the BMP folder, the medium's
# own files and the compiled dictionaries.
#
# usage: assemble-medium.sh OUT_DIR WIN64_BUILD_DIR COMPILED_DICTIONARIES_DIR
set -euo pipefail

[ $# -eq 3 ] || { echo "usage: assemble-medium.sh OUT_DIR WIN64_BUILD_DIR DICTIONARIES_DIR" >&2; exit 2; }
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out=$1
win64=$2
dictionaries=$3

fail() { echo "assemble-medium: $*" >&2; exit 1; }
for program in "$win64/app/tavrik.exe" "$win64/lx32/lx32.dll"; do
    [ -f "$program" ] || fail "missing $program: build the win64 preset first"
done
compiled=("$dictionaries"/*.DBZ)
[ -f "${compiled[0]}" ] || fail "no compiled dictionary in $dictionaries: build the native preset first"

rm -rf "$out"
mkdir -p "$out/BMP"
# The medium's own files, without the sources and notes that stay in the tree.
tar -C "$source_dir/medium" --exclude=./dico --exclude=./CMakeLists.txt \
    --exclude='./README.md' --exclude='./.gitattributes' -cf - . | tar -C "$out" -xf -
cp "$source_dir"/media/BMP/*.bmp "$out/BMP/"
cp "${compiled[@]}" "$out/BRENDOL/DICO/"
cp "$win64/app/tavrik.exe" "$win64/lx32/lx32.dll" "$out/"
echo "demo medium assembled in $out"
