#!/usr/bin/env bash
# Checks what a technician's PC loads from the release medium: the wizard
# and its dictionary library together stay under 420 KB, so that the first
# page is there at once even from an old CD drive. (The budget was 400 KB
# until the wizard learned to check what the PC refuses: the resume record
# read back, the rights to record the installation state, one wizard at a
# time, pictures bounded before they are decoded, the picture cache's
# content digest, system programs by full path: about 20 KB together.) (That they load on
# Windows 2000 is the medium checker's and the static check's business.)
#
# usage: check-release-medium.sh MEDIUM_DIR
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: check-release-medium.sh MEDIUM_DIR" >&2; exit 2; }
medium=$1
budget=420000  # 420 KB counted in thousands, the stricter reading

size=$(($(stat -c %s "$medium/tavrik.exe") + $(stat -c %s "$medium/lx32.dll")))
echo "release medium: tavrik.exe + lx32.dll = $size bytes (budget $budget)"
if [ "$size" -ge "$budget" ]; then
    echo "release medium: $size bytes is over the budget of $budget" >&2
    exit 1
fi
