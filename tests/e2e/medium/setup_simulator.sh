#!/usr/bin/env bash
# The demo medium's setup.exe on its own, started with the wizard's exact
# command line from a medium folder whose name holds a space (C:\Tavrik
# Medium\), PathInstall being P:. A watcher takes the progress markers as
# the wizard's 100 ms poll does. An installation with the shipped response
# file, the injected faults, a run nobody watches, refused requests, the
# library held by a running program, and a removal.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../tools/wine/wine-lib.sh"
. "$here/../lib/checks.sh"
. "$here/outside.sh"

outside_setup
marker="$outside_target/PGB_Avance.ini"
log="$outside_target/setup.log"
installed="$outside_target/APP/BRENDOL"
taken="$outside_work/taken"

# The wizard's command line for a response file on the medium.
setup_line() {
    printf '%s' 'C:\Tavrik Medium\setup.exe -s -f1C:\Tavrik Medium\'"$1"' -f2P:\setup.log'
}

# response NAME LINE...: a response file of our own on the medium copy.
response() {
    local name=$1
    shift
    printf '%s\r\n' "$@" >"$outside_medium/$name"
}

# What the wizard writes before it starts the setup: PathInstall (or none
# with "-") and Install = "1".
arm() {
    local path='"P:"'
    [ "${1:-}" = "-" ] && path='-'
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n"PathInstall"=%s\r\n"Install"="1"\r\n' \
        'HKEY_LOCAL_MACHINE\SOFTWARE\NORVA\BRENDOL_PC' "$path" >"$outside_work/arm.reg"
    "$TAVRIK_WINE" reg import 'C:\tavrik-outside\arm.reg' >/dev/null 2>&1 ||
        tavrik_wine_fail "cannot write the product key"
    rm -f "$log"
}

install_value() { tavrik_wine_reg_value "$outside_product_key" Install; }
log_text() { tr -d '\r' <"$log" 2>/dev/null; }

watch_start() {
    : >"$taken"
    (
        for _ in $(seq 600); do
            if [ -e "$marker" ]; then
                rm -f "$marker"
                echo taken >>"$taken"
            fi
            sleep 0.1
        done
    ) &
    watcher=$!
}
watch_stop() {
    kill "$watcher" 2>/dev/null
    wait "$watcher" 2>/dev/null
}
taken_count() { grep -c taken "$taken"; }

# run_setup RESPONSE_FILE [watched]: sets code (the exit code) and run_ms.
run_setup() {
    [ "${2:-}" = watched ] && watch_start
    local started
    started=$(tavrik_wine_now_ms)
    code=$(outside_run "$outside_medium" "$(setup_line "$1")")
    run_ms=$(($(tavrik_wine_now_ms) - started))
    [ "${2:-}" = watched ] && watch_stop
    return 0
}

echo "--- installation with the medium's install.iss"
mkdir -p "$installed/EXE"
printf 'Dico=THESAUDE.DBZ' >"$installed/EXE/DICO.TXT"
arm
run_setup install.iss watched
check_equals "the installation ends with 0" 0 "$code"
check_equals "each of its six steps left a marker that was taken" 6 "$(taken_count)"
check_line "the log has its result section" "$(log_text)" "[ResponseResult]"
check_line "the log reports success" "$(log_text)" "ResultCode=0"
check_equals "Install is 0" 0 "$(install_value)"
check_status "the installed folder is the medium's BRENDOL folder" 0 \
    diff -r -x DICO.TXT "$outside_medium/BRENDOL" "$installed"
check_bytes "the wizard's DICO.TXT is kept" "$installed/EXE/DICO.TXT" 'Dico=THESAUDE.DBZ'
check_status "no marker is left" 1 test -e "$marker"

echo "--- injected faults"
# name | outcome | exit code | ResultCode in the log
while IFS='|' read -r name outcome exit_code result; do
    response "$name.iss" '[Setup]' 'Action=install' '[Progress]' 'Steps=2' 'StepMs=0' \
        '[Faults]' "Outcome=$outcome"
    arm
    run_setup "$name.iss" watched
    check_equals "$name: the exit code" "$exit_code" "$code"
    check_line "$name: the log" "$(log_text)" "ResultCode=$result"
    check_equals "$name: Install stays 1" 1 "$(install_value)"
    if [ "$run_ms" -lt 10000 ]; then
        check_pass "$name: ends at once, without a dialog ($run_ms ms)"
    else
        check_fail "$name: took $run_ms ms"
    fi
done <<'TABLE'
fail|fail|-1|-1
crash|crash|-1073741819|-6
TABLE

echo "--- a hang halfway"
response hang.iss '[Setup]' 'Action=install' '[Progress]' 'Steps=2' 'StepMs=0' \
    '[Faults]' 'HangSeconds=3'
arm
rm -f "$outside_work/hang.code"
(run_setup hang.iss watched && echo "$code" >"$outside_work/hang.code") &
runner=$!
check_equals_within 20 "the first step came" 1 taken_count
check_equals "while it hangs Install stays 1" 1 "$(install_value)"
check_equals "and it is still running" "" "$(cat "$outside_work/hang.code" 2>/dev/null)"
wait "$runner"
check_equals "after the hang it ends with 0" 0 "$(cat "$outside_work/hang.code")"
check_equals "then Install is 0" 0 "$(install_value)"

echo "--- nobody takes the markers"
response alone.iss '[Setup]' 'Action=install' '[Progress]' 'Steps=4' 'StepMs=0' 'MarkerWaitMs=2000'
arm
run_setup alone.iss
check_equals "an unwatched run succeeds" 0 "$code"
if [ "$run_ms" -lt 6000 ]; then
    check_pass "only the first marker is waited for ($run_ms ms)"
else
    check_fail "an unwatched run took $run_ms ms: later markers were waited for"
fi
check_status "it removes its unclaimed marker" 1 test -e "$marker"
check_line "the log says so" "$(log_text)" \
    "Message=installed $(find "$outside_medium/BRENDOL" -type f | wc -l) files from C:\\Tavrik Medium\\BRENDOL\\ into P:\\APP\\BRENDOL\\; nobody took the progress marker"

echo "--- refused requests"
# check_refused DESCRIPTION EXIT_CODE LOG_MESSAGE, after a run
check_refused() {
    check_equals "$1: the exit code" "$2" "$code"
    check_line "$1: the log says why" "$(log_text)" "Message=$3"
    check_equals "$1: Install stays 1" 1 "$(install_value)"
}
# description | PathInstall (- for none) | response file | exit code | log message
while IFS='|' read -r description path_install iss exit_code message; do
    arm "$path_install"
    run_setup "$iss"
    check_refused "$description" "$exit_code" "$message"
done <<'TABLE'
no response file|P:|missing.iss|-2|cannot read the response file C:\Tavrik Medium\missing.iss
no PathInstall|-|install.iss|-3|no PathInstall value in HKLM\SOFTWARE\NORVA\BRENDOL_PC
TABLE
mv "$outside_medium/BRENDOL/applic.ini" "$outside_work/"
arm
run_setup install.iss
mv "$outside_work/applic.ini" "$outside_medium/BRENDOL/"
check_refused "no application on the medium" -4 \
    'no application on the medium: C:\Tavrik Medium\BRENDOL\applic.ini is missing'

echo "--- the library in use"
outside_hold 'P:\APP\BRENDOL\EXE\brendolx.dll'
response quick-removal.iss '[Setup]' 'Action=remove' '[Progress]' 'Steps=0'
arm
run_setup quick-removal.iss
check_equals "a removal while the library is held fails" -5 "$code"
check_equals "the held library cannot be deleted" \
    'Message=cannot delete P:\APP\BRENDOL\EXE\brendolx.dll (error 5)' \
    "$(log_text | grep '^Message=')"
check_status "it is still there" 0 test -f "$installed/EXE/brendolx.dll"
check_equals "Install stays 1" 1 "$(install_value)"
outside_release

echo "--- removal with the medium's desinst.iss"
arm
run_setup desinst.iss watched
check_equals "the removal ends with 0" 0 "$code"
check_equals "each of its four steps left a marker that was taken" 4 "$(taken_count)"
check_status "the application's folder is gone" 1 test -e "$installed"
check_line "the log reports success" "$(log_text)" "ResultCode=0"
check_equals "Install is 0" 0 "$(install_value)"
checks_done
