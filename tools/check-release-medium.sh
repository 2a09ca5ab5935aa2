#!/usr/bin/env bash
# Checks what a technician's PC loads from the release medium: the wizard
# and its dictionary library load on Windows 2000 (the static check) and
# together stay under 400 KB, so that the first page is there at once even
# from an old CD drive.
#
# usage: check-release-medium.sh MEDIUM_DIR PECHECK IMPORT_LIST
set -euo pipefail

[ $# -eq 3 ] || { echo "usage: check-release-medium.sh MEDIUM_DIR PECHECK IMPORT_LIST" >&2; exit 2; }
medium=$1
budget=$((400 * 1024))

"$2" --imports "$3" "$medium/tavrik.exe" "$medium/lx32.dll"
size=$(($(stat -c %s "$medium/tavrik.exe") + $(stat -c %s "$medium/lx32.dll")))
echo "release medium: tavrik.exe + lx32.dll = $size bytes (budget $budget)"
if [ "$size" -ge "$budget" ]; then
    echo "release medium: $size bytes is over the budget of $budget" >&2
    exit 1
fi
