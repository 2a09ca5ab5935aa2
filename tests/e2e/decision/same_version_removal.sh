#!/usr/bin/env bash
# The installed version equals the medium's: page 3 offers reinstallation
# or removal; an arrow key moves to removal and Enter goes on with it.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../tools/wine/wine-lib.sh"
. "$here/../lib/checks.sh"
. "$here/../lib/wizard.sh"
. "$here/decision.sh"

decision_setup
decision_machine installed 5.2.0
wizard_start
decision_confirm_language

decision_expect_page 3 "the same version asks what to do"
check_equals "the trace up to page 3" \
    "$(printf '%s\n' 'pathInstall non Empty()' 'meme version')" "$(decision_trace)"
check_line "reinstallation is selected first" "$(probe state RadioButton1)" "checked=1"
check_line "removal is not" "$(probe state RadioButton2)" "checked=0"

probe key DOWN >/dev/null
sleep 0.5
check_line "the arrow selects removal" "$(probe state RadioButton2)" "checked=1"
check_line "and clears reinstallation" "$(probe state RadioButton1)" "checked=0"
wizard_screenshot decision-removal-chosen

probe key ENTER >/dev/null
for _ in $(seq 100); do
    case "$(probe page)" in 6\ * | 11\ *) break ;; esac
    sleep 0.1
done
page=$(probe page)
case "${page%% *}" in
    6 | 11) check_pass "the removal goes on to the work or the mains check ($page)" ;;
    *) check_fail "after Enter on page 3: page [$page]" ;;
esac
check_equals "the decision's trace" \
    "$(printf '%s\n' 'pathInstall non Empty()' 'meme version' touche_ConfMAJ_yesClick \
        'versionCD=5.2.0' 'versionHD=5.2.0' 'version OK' 'Nieme installation' 'Non Independant')" \
    "$(wizard_trace | awk '/^pathInstall/ { on = 1 } on && /^On_PageConfirmationMAJ$/ { next }
                           on && /^OnPageInstallEnCours$/ { exit } on { print }')"
check_equals "the medium's place is recorded" 'D:\' \
    "$(tavrik_wine_reg_value "$decision_product_key" CD)"
checks_done
