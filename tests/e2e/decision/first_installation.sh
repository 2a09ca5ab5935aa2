#!/usr/bin/env bash
# A first installation by keys: no PathInstall, the medium's version is
# accepted, the volume page lists the prefix's fixed drives (not the CD-ROM
# medium) and Enter records the first one, C:. On battery the run then stops
# at the mains check, where F1 ends it before any work.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/scenario.sh"
. "$here/../lib/power.sh"
. "$here/decision.sh"

decision_setup
decision_machine first-installation
power_simulate
machine_snapshot before
wizard_start
decision_confirm_language

decision_expect_page 1 "a first installation asks for the volume"
check_equals "the decision's trace" "$(decision_expected_trace first_installation)" \
    "$(decision_trace)"
check_equals "the medium's place is recorded" 'D:\' \
    "$(tavrik_wine_reg_value "$decision_product_key" CD)"

volumes=$(probe text listbox1)
check_equals "C: is the first volume" 'C:\\ Fixed volume' "${volumes%%\\n*}"
medium=$(printf '%s' "$TAVRIK_WINE_MEDIUM_DRIVE" | tr '[:lower:]' '[:upper:]')
case "$volumes" in
    *"$medium:\\\\"*) check_fail "the CD-ROM medium is not listed: [$volumes]" ;;
    *) check_pass "the CD-ROM medium is not listed" ;;
esac
others=$(printf '%s' "$volumes" | sed 's/\\n/\n/g' | grep -cv ' Fixed volume$')
check_equals "every item is a fixed volume" 0 "$others"
check_line "the first item is selected" "$(probe state listbox1)" "selected=0"
wizard_screenshot decision-volume-page

probe key UP >/dev/null
check_line_stays 2 "the up-arrow stops at the first item" "selected=0" probe state listbox1
probe key ENTER >/dev/null
power_answer battery "the volume's validate asks for the power status"
decision_expect_page 11 "on battery the mains check follows"
check_equals "Enter recorded the drive" "C:" "$(tavrik_wine_reg_value "$decision_product_key" PathInstall)"
check_equals "the volume page adds no trace of its own" On_PageInstall \
    "$(wizard_trace | awk 'f { print } /^1ere installation$/ { f = 1 }')"
probe key F1 >/dev/null
check_equals "F1 on the mains check ends the program with code 0" 0 "$(wizard_wait_end 20)"
machine_snapshot after
machine_compare before after +file:TraceTavrik.log "${decision_new_key[@]}" \
    "+reg:$decision_product_key\\Install" "+reg:$decision_product_key\\CD" \
    "+reg:$decision_product_key\\PathInstall"
checks_done
