#!/usr/bin/env bash
# The comparison of the machine catches what the scenarios rely on it for:
# an added, changed or removed registry value and file (a file rewritten
# with its size and time kept included), an expected change that did not
# happen, and a change of the wrong kind.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../tools/wine/wine-lib.sh"
. "$here/checks.sh"
. "$here/machine.sh"

tavrik_wine_load
key='HKLM\SOFTWARE\TavrikSelfTest'
folder="$WINEPREFIX/drive_c/tavrik-selftest"
reg() { "$TAVRIK_WINE" reg "$@" >/dev/null 2>&1; }
clean() {
    reg delete "$key" /f
    rm -rf "$folder"
}
trap clean EXIT
clean
reg add "$key" /v Changed /d before /f
reg add "$key" /v Removed /d gone /f
mkdir -p "$folder"
printf 'aaaa' >"$folder/changed.txt"
printf 'x' >"$folder/removed.txt"
machine_snapshot before

reg add "$key" /v Changed /d after /f
reg delete "$key" /v Removed /f
reg add "$key" /v Added /d new /f
stamp=$(stat -c %y "$folder/changed.txt")
printf 'bbbb' >"$folder/changed.txt"
touch -d "$stamp" "$folder/changed.txt"
rm "$folder/removed.txt"
printf 'y' >"$folder/added.txt"
machine_snapshot after

# machine_compare's own verdict, in a subshell: its failures must not count here.
verdict() { (machine_compare before after "$@") 2>&1 | sed 's/^ *//'; }
all=("~reg:$key\\Changed" "-reg:$key\\Removed" "+reg:$key\\Added"
    '~file:tavrik-selftest/changed.txt' '-file:tavrik-selftest/removed.txt' '+file:tavrik-selftest/added.txt')
check_line "every change declared: the machine passes" "$(verdict "${all[@]}")" \
    "ok:   the machine changed only as the road says (6 changes)"
undeclared=$(verdict)
for line in "~ reg:HKLM\\Software\\TavrikSelfTest\\Changed | \"before\" | \"after\"" \
    "- reg:HKLM\\Software\\TavrikSelfTest\\Removed" "+ reg:HKLM\\Software\\TavrikSelfTest\\Added" \
    "~ file:tavrik-selftest/changed.txt | 4 bytes, md5 74b87337454200d4d33f80c4663dc5e5 | 4 bytes, md5 65ba841e01d6db7733e90a5b7f9e6f80" \
    "- file:tavrik-selftest/removed.txt" "+ file:tavrik-selftest/added.txt"; do
    check_line "undeclared: $line" "$undeclared" "$line"
done
check_line "an expected change that did not happen fails" \
    "$(verdict "${all[@]}" '+file:tavrik-selftest/never.txt')" "+file:tavrik-selftest/never.txt"
check_line "a removal is no addition" "$(verdict "${all[@]:0:1}" "+reg:$key\\Removed" "${all[@]:2}")" \
    "- reg:HKLM\\Software\\TavrikSelfTest\\Removed"
checks_done
