#!/usr/bin/env bash
# tavrik-check.exe of the win64 build, under Wine with the real machine,
# finds what the native tool finds: on the demo medium, and on a copy with a
# component's program removed and a picture's name in other case.
#
# usage: windows-program.sh NATIVE_TAVRIK_CHECK   (TAVRIK_DEMO_MEDIUM, TAVRIK_WIN64_DIR set)
set -uo pipefail
native=$1
windows=$TAVRIK_WIN64_DIR/tools/mediumcheck/tavrik-check.exe
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp -r "$TAVRIK_DEMO_MEDIUM" "$work/medium"
rm "$work/medium/COMPST/GB/compmark.exe"
mv "$work/medium/BMP/valid.bmp" "$work/medium/BMP/VALID.BMP"

failures=0
for medium in "$TAVRIK_DEMO_MEDIUM" "$work/medium"; do
    expected=$("$native" --json "$medium")
    expected_code=$?
    actual=$("$here/../../wine/wine-run.sh" --timeout 120 "$windows" --json "Z:${medium//\//\\}" | tr -d '\r')
    actual_code=$?
    if [ "$expected" != "$actual" ] || [ "$expected_code" != "$actual_code" ]; then
        echo "FAIL on $medium: native (exit $expected_code):"
        echo "$expected"
        echo "Windows program (exit $actual_code):"
        echo "$actual"
        failures=$((failures + 1))
    else
        echo "ok: $medium, exit $actual_code, $(grep -c '"severity"' <<<"$actual") finding(s)"
    fi
done
# The planted fault is found, so the comparison is not of two empty reports.
grep -q '"key": "2_LANGUES"' <<<"$actual" || { echo "FAIL: the planted fault is not found"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ]
