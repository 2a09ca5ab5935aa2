#!/usr/bin/env bash
# A program named cscript.exe planted beside the update script and in the
# medium's root, the wizard's own and current folder, which a search for
# the bare name finds first (the component program, which records every
# start with its own file): the wizard runs the update script with the
# system's script host, and no planted one ever runs.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/install.sh"

install_setup
decision_machine first-installation
cp "$wizard_medium/COMPST/compmark.exe" "$wizard_medium/qxdiag/cscript.exe"
cp "$wizard_medium/COMPST/compmark.exe" "$wizard_medium/cscript.exe"

wizard_start
decision_confirm_language
install_reach_work first-installation
install_wait_validate
install_wait_components first-installation
records=$(tr -d '\r' <"$(install_components_log)" 2>/dev/null)
check_equals "the system's script host ran the update script" 1 \
    "$(printf '%s\n' "$records" | grep -c '^updateqxd ')"
check_equals "no planted cscript.exe ever ran" 0 \
    "$(printf '%s\n' "$records" | grep -ic 'cscript.exe')"
probe key ENTER >/dev/null
check_equals "Enter ends the run with code 0" 0 "$(wizard_wait_end 30)"
checks_done
