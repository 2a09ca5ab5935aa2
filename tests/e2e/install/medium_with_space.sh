#!/usr/bin/env bash
# A medium in a folder whose name has a space, "C:\My Medium\", beside a
# program "C:\My.exe": the command lines stay unquoted, yet only the
# medium's own setup and components run, never C:\My.exe; the medium's
# folder stays as it was.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/install.sh"

install_setup
decision_machine first-installation
spaced="$(install_c)/My Medium"
rm -rf "$spaced"
cp -r "$wizard_medium" "$spaced"
rm -rf "$wizard_medium"
wizard_medium=$spaced
# The component program records every start with its own file: as C:\My.exe
# it would show in the record.
cp "$spaced/COMPST/compmark.exe" "$(install_c)/My.exe"
trap 'rm -f "$(install_c)/My.exe"; install_cleanup' EXIT

machine_snapshot before
wizard_start
decision_confirm_language
install_reach_work first-installation
install_wait_validate
wizard_screenshot install-medium-with-space-outcome
install_wait_components first-installation
check_line "the setup ran from the medium" "$(install_trace)" 'RL_path_CD=C:\My Medium\'
check_line "and succeeded" "$(install_trace)" 'IS == 0 || IS.IsEmpty()'
components=$(tr -d '\r' <"$(install_components_log)" 2>/dev/null)
check_equals "the medium's component ran" 1 "$(printf '%s\n' "$components" | grep -c 'name=runtime')"
check_equals "every program that ran lies in the medium's COMPST, none is C:\\My.exe" 0 \
    "$(printf '%s\n' "$components" | cut -s -f4 | grep -vc '^C:\\My Medium\\COMPST\\')"
check_equals "the program is installed" yes "$([ -f "$(install_tree)/EXE/brendol.exe" ] && echo yes)"
probe key ENTER >/dev/null
check_equals "Enter ends the run with code 0" 0 "$(wizard_wait_end 30)"
machine_snapshot after
mapfile -t expected < <(install_road_changes first-installation)
machine_compare before after "${expected[@]}"
checks_done
