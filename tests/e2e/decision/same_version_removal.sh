#!/usr/bin/env bash
# The installed version equals the medium's: page 3 offers reinstallation
# or removal; an arrow key moves to removal and Enter goes on with it. On
# battery the removal stops at the mains check, where F1 ends the run with
# nothing removed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/scenario.sh"
. "$here/../lib/power.sh"
. "$here/decision.sh"

decision_setup
decision_machine installed 5.2.0
power_simulate
machine_snapshot before
wizard_start
decision_confirm_language

decision_expect_page 3 "the same version asks what to do"
check_equals "the trace up to page 3" \
    "$(printf '%s\n' 'pathInstall non Empty()' 'meme version')" "$(decision_trace)"
check_line "reinstallation is selected first" "$(probe state RadioButton1)" "checked=1"
check_line "removal is not" "$(probe state RadioButton2)" "checked=0"

probe key DOWN >/dev/null
check_line_within 10 "the arrow selects removal" "checked=1" probe state RadioButton2
check_line_within 10 "and clears reinstallation" "checked=0" probe state RadioButton1
wizard_screenshot decision-removal-chosen

probe key ENTER >/dev/null
power_answer battery "the removal asks for the power status"
decision_expect_page 11 "on battery the removal waits at the mains check"
wizard_screenshot decision-removal-mains-check
check_equals "the decision's trace" "$(decision_expected_trace same_version_removal)" \
    "$(wizard_trace | awk '/^pathInstall/ { on = 1 } on && /^On_PageConfirmationMAJ$/ { next }
                           on && /^OnPageInstallEnCours$/ { exit } on { print }')"
check_equals "the medium's place is recorded" 'D:\' \
    "$(tavrik_wine_reg_value "$decision_product_key" CD)"
probe key F1 >/dev/null
check_equals "F1 on the mains check ends the program with code 0" 0 "$(wizard_wait_end 20)"
machine_snapshot after
machine_compare before after +file:TraceTavrik.log \
    "+reg:$decision_product_key\\Install" "+reg:$decision_product_key\\CD"
checks_done
