#!/usr/bin/env bash
# Assembles the demo installation medium: the wizard and its dictionary
# library, the packaged setup, the demo application and the component from
# a Windows build (win64 for the tests, win32 for the release medium); the
# compiled dictionaries and the waiting pictures from the native build's
# medium folder; the pictures of the BMP folder and the medium's own files
# from the source tree.
#
# usage: assemble-medium.sh OUT_DIR WINDOWS_BUILD_DIR NATIVE_MEDIUM_DIR
#   e.g. assemble-medium.sh build/demo/medium build/win64 build/native/medium
set -euo pipefail

[ $# -eq 3 ] || { echo "usage: assemble-medium.sh OUT_DIR WINDOWS_BUILD_DIR NATIVE_MEDIUM_DIR" >&2; exit 2; }
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out=$1
windows=$2
generated=$3

fail() { echo "assemble-medium: $*" >&2; exit 1; }
programs=$windows/medium/programs
for program in "$windows/app/tavrik.exe" "$windows/lx32/lx32.dll" "$programs/setup/setup.exe" \
    "$programs/brendol/brendol.exe" "$programs/brendol/brendolx.dll" \
    "$programs/compmark/compmark.exe"; do
    [ -f "$program" ] || fail "missing $program: build the Windows preset first"
done
compiled=("$generated"/BRENDOL/DICO/*.DBZ)
[ -f "${compiled[0]}" ] || fail "no compiled dictionary in $generated/BRENDOL/DICO: build the native preset first"

rm -rf "$out"
mkdir -p "$out/BMP"
# The medium's own files, without the sources and notes that stay in the tree.
tar -C "$source_dir/medium" --exclude=./dico --exclude=./programs --exclude=./CMakeLists.txt \
    --exclude='./README.md' --exclude='./.gitattributes' -cf - . | tar -C "$out" -xf -
cp "$source_dir"/media/BMP/*.bmp "$out/BMP/"
cp "${compiled[@]}" "$out/BRENDOL/DICO/"
cp "$windows/app/tavrik.exe" "$windows/lx32/lx32.dll" "$programs/setup/setup.exe" "$out/"
mkdir -p "$out/BRENDOL/EXE" "$out/COMPST/FR" "$out/COMPST/GB"
cp "$programs/brendol/brendol.exe" "$programs/brendol/brendolx.dll" "$out/BRENDOL/EXE/"
for folder in COMPST COMPST/FR COMPST/GB; do
    cp "$programs/compmark/compmark.exe" "$out/$folder/"
done

# Every picture that wait.ini names, drawn by the native build.
count=$(tr -d '\r' <"$out/WAIT/wait.ini" | sed -n 's/^NB=//p')
for number in $(seq "$count"); do
    name=$(tr -d '\r' <"$out/WAIT/wait.ini" | sed -n "s/^$number=//p")
    [ -f "$generated/WAIT/$name" ] || fail "no waiting picture $generated/WAIT/$name: build the native preset first"
    cp "$generated/WAIT/$name" "$out/WAIT/"
done
echo "demo medium assembled in $out"
