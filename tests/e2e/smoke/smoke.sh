#!/usr/bin/env bash
# The first end-to-end test: the real machine under Wine, driven through the
# wizard's own trace and registry functions, checked from Linux.
#
# usage: smoke.sh SMOKE_EXE   (inside the Wine fixture: TAVRIK_WINE_STATE set)
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/wine/wine-lib.sh
. "$here/../../../tools/wine/wine-lib.sh"
# shellcheck source=tests/e2e/lib/checks.sh
. "$here/../lib/checks.sh"

[ $# -eq 1 ] || tavrik_wine_fail "usage: smoke.sh SMOKE_EXE"
smoke=$1
[ -f "$smoke" ] || tavrik_wine_fail "the win64 smoke program is missing: $smoke (build the win64 preset)"
tavrik_wine_load

# Runs the smoke program; its output without the CR of Windows line ends.
run() {
    tavrik_wine_run 30 "$smoke" "$@" | tr -d '\r'
}

product_key='HKLM\SOFTWARE\NORVA\BRENDOL_PC'
reg_value() {
    tavrik_wine_reg_value "$product_key" "$1"
}

echo "--- registry"
run registry-delete-key >/dev/null
run registry-write >/dev/null
check_equals "Install written" "1" "$(reg_value Install)"
check_equals "PathInstall written" "C:" "$(reg_value PathInstall)"
check_status "sub-keys created" 0 tavrik_wine_reg_key_exists "$product_key\\APP_Running\\Session"
check_equals "value read back" "Langue=fr" "$(run registry-read Langue)"
check_equals "missing value reads empty" "Absent=" "$(run registry-read Absent)"
check_equals "existing key found" "exists" "$(run key-exists 'SOFTWARE\NORVA\BRENDOL_PC\APP_Running')"
check_equals "missing key not found" "missing" "$(run key-exists 'SOFTWARE\NORVA\NO_SUCH_KEY')"
check_status "probing a key does not create it" 1 \
    tavrik_wine_reg_key_exists 'HKLM\SOFTWARE\NORVA\NO_SUCH_KEY'
run registry-delete-value Langue >/dev/null
check_equals "value deleted" "" "$(reg_value Langue)"
check_equals "other values kept" "1" "$(reg_value Install)"
run registry-delete-key >/dev/null
check_status "product key deleted with its sub-keys" 1 tavrik_wine_reg_key_exists "$product_key"
check_status "maker key kept" 0 tavrik_wine_reg_key_exists 'HKLM\SOFTWARE\NORVA'
check_equals "a read creates the missing key" "Install=" "$(run registry-read Install)"
check_status "empty product key left behind" 0 tavrik_wine_reg_key_exists "$product_key"
run registry-delete-key >/dev/null

echo "--- trace log"
log="$WINEPREFIX/drive_c/TraceTavrik.log"
printf 'left from an earlier run\r\n' >"$log"
run trace >/dev/null
check_bytes "trace log replaced, lines end with CR LF" "$log" \
    'Tavrik smoke\r\n\r\nInstall\351 \340 100%%\r\nfin\r\n\r\n'
run trace-append "one more" >/dev/null
check_bytes "line appended at the end" "$log" \
    'Tavrik smoke\r\n\r\nInstall\351 \340 100%%\r\nfin\r\n\r\none more\r\n'
rm -f "$log"
run trace-append "lost" >/dev/null
check_equals "an append never creates the log" "no" "$([ -e "$log" ] && echo yes || echo no)"

echo "--- drives"
drives=$(run drives)
check_line "C: is a fixed drive" "$drives" 'C:\'
medium_drive=$(printf '%s' "$TAVRIK_WINE_MEDIUM_DRIVE" | tr '[:lower:]' '[:upper:]')
check_equals "the medium drive (a CD-ROM) is not among them" "no" \
    "$(printf '%s\n' "$drives" | grep -qxF -- "${medium_drive}:\\" && echo yes || echo no)"

echo "--- child processes"
check_equals "exit code of a child" "exit=7" "$(run child 'cmd /c exit 7')"
rm -f "$WINEPREFIX/drive_c/cwd.txt"
run child 'cmd /c cd > C:\cwd.txt' 'C:\windows' >/dev/null
check_equals "child starts in the given folder" 'C:\windows' \
    "$(tr -d '\r\n' <"$WINEPREFIX/drive_c/cwd.txt" 2>/dev/null)"
check_equals "unknown program does not start" "start failed" "$(run child 'no-such-program.exe')"

echo "--- version"
version=$(run version)
check_line "Windows XP with its service pack" "$version" \
    "version 5.1 build 2600 platform 2 'Service Pack 3'"

checks_done
