#!/usr/bin/env bash
# Assembles the release medium from the i686 build and checks what a
# technician's PC loads from it: the wizard and its dictionary library load
# on Windows 2000 (the static check) and together stay under 400 KB, so that
# the first page is there at once even from an old CD drive.
#
# usage: check-release-medium.sh OUT_DIR WIN32_BUILD_DIR NATIVE_MEDIUM_DIR PECHECK IMPORT_LIST
set -euo pipefail

[ $# -eq 5 ] || {
    echo "usage: check-release-medium.sh OUT_DIR WIN32_BUILD_DIR NATIVE_MEDIUM_DIR PECHECK IMPORT_LIST" >&2
    exit 2
}
here=$(cd "$(dirname "$0")" && pwd)
out=$1
pecheck=$4
imports=$5
budget=$((400 * 1024))

"$here/assemble-medium.sh" "$out" "$2" "$3"
"$pecheck" --imports "$imports" "$out/tavrik.exe" "$out/lx32.dll"
size=$(($(stat -c %s "$out/tavrik.exe") + $(stat -c %s "$out/lx32.dll")))
echo "release medium: tavrik.exe + lx32.dll = $size bytes (budget $budget)"
if [ "$size" -ge "$budget" ]; then
    echo "release medium: $size bytes is over the budget of $budget" >&2
    exit 1
fi
