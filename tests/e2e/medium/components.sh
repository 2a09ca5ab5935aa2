#!/usr/bin/env bash
# The demo medium's component (COMPST\compmark.exe and its language
# variants) and the update script (qxdiag\updateqxd.vbs), started as the
# wizard starts them: the line as written, from their folder, hidden or not.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../tools/wine/wine-lib.sh"
. "$here/../lib/checks.sh"
. "$here/outside.sh"

outside_setup
record="$outside_c/TavrikComponents.txt"
result_file="$outside_c/updateqxd-result.txt"
compst="$outside_medium/COMPST"
records() { tr -d '\r' <"$record" 2>/dev/null; }

echo "--- compmark.exe"
rm -f "$record"
code=$(outside_run "$compst/FR" 'C:\Tavrik Medium\COMPST\FR\compmark.exe /name=viewer' --hidden)
check_equals "the French variant ends with 0" 0 "$code"
line=$(records | tail -n 1)
# Wine hands a child its program path in quotes when it holds a space.
check_equals "it records its command line" '/name=viewer' "$(printf '%s' "$line" | cut -f1 | sed 's/.*compmark.exe"\{0,1\} //')"
check_equals "it names the French folder" 'COMPST\FR\compmark.exe' \
    "$(printf '%s' "$line" | cut -f1 | grep -o 'COMPST\\FR\\compmark.exe')"
check_equals "and its current directory" 'C:\Tavrik Medium\COMPST\FR' "$(printf '%s' "$line" | cut -f2)"
check_equals "and that it was started hidden" hidden "$(printf '%s' "$line" | cut -f3)"

# A component that stays is recorded after one started later that does not.
rm -f "$record"
(outside_run "$compst/GB" 'C:\Tavrik Medium\COMPST\GB\compmark.exe /name=slow /stay=3000' >/dev/null) &
slow=$!
code=$(outside_run "$compst" 'C:\Tavrik Medium\COMPST\compmark.exe /name=quick')
wait "$slow"
check_equals "the plain component ends with 0" 0 "$code"
check_equals "the one that stays ends last" "/name=quick /name=slow" \
    "$(records | cut -f1 | grep -o '/name=[a-z]*' | tr '\n' ' ' | sed 's/ $//')"
check_equals "started normally it is shown" shown "$(records | head -n 1 | cut -f3)"

echo "--- updateqxd.vbs"
# result file content (none: absent) | exit code | recorded line
while IFS='|' read -r content exit_code recorded; do
    rm -f "$record" "$result_file"
    [ "$content" = none ] || printf '%s\r\n' "$content" >"$result_file"
    code=$(outside_run "$outside_medium/qxdiag" 'cscript.exe updateqxd.vbs //Nologo //B' --hidden)
    check_equals "result file [$content]: the exit code" "$exit_code" "$code"
    check_equals "result file [$content]: the record" "$recorded" "$(records)"
done <<'TABLE'
none|2|updateqxd 2
0|0|updateqxd 0
7|7|updateqxd 7
seven|1|updateqxd 1 (C:\updateqxd-result.txt holds no number: [seven])
TABLE
checks_done
