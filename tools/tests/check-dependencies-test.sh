#!/usr/bin/env bash
# Proves that check-dependencies.sh fails on the two faults it is there for:
# an installer that forgets a package (a copy of ours without wine), and a
# script that runs a command from outside the minimal image that its list
# lacks (cpack, which comes with cmake).
#
# usage: check-dependencies-test.sh    (after tools/install-dependencies.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
guard=$here/../check-dependencies.sh
installer=$here/../install-dependencies.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/expect-fault.sh"

sed -E '/packages=\(/,/\)/ s/(^|[[:space:]])wine([[:space:]]|$)/\1\2/' "$installer" >"$work/installer.sh"
grep -qw wine64 "$work/installer.sh" || { echo "FAIL the copy lost more than wine"; exit 1; }
expect_fault "an installer without wine" \
    "wine: provided by package wine, which $work/installer.sh does not install" \
    "$guard" --installer "$work/installer.sh"

mkdir -p "$work/tree/tools"
printf '#!/bin/sh\n# packs the build\ncd build && cpack -G TGZ\n' >"$work/tree/tools/pack"
expect_fault "a script running an unlisted command" \
    "cpack (package cmake) is run by tools/pack but is missing from the command list" \
    "$guard" --source "$work/tree" --installer "$installer"

report_cases
