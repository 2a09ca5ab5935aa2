#!/usr/bin/env bash
# A program named cscript.exe planted beside the update script (the
# component program, which records every start with its own file): the
# wizard runs the update script with the system's script host, and the
# planted one never runs.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/install.sh"

install_setup
decision_machine first-installation
cp "$wizard_medium/COMPST/compmark.exe" "$wizard_medium/qxdiag/cscript.exe"

wizard_start
decision_confirm_language
install_reach_work first-installation
install_wait_validate || check_fail "page 6 never offered its validate button"
install_wait_components first-installation
records=$(tr -d '\r' <"$(install_components_log)" 2>/dev/null)
check_equals "the system's script host ran the update script" 1 \
    "$(printf '%s\n' "$records" | grep -c '^updateqxd ')"
check_equals "the planted cscript.exe never ran" 0 \
    "$(printf '%s\n' "$records" | grep -ic 'qxdiag\\cscript.exe')"
probe key ENTER >/dev/null
check_equals "Enter ends the run with code 0" 0 "$(wizard_wait_end 30)"
checks_done
