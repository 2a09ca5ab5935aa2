#!/usr/bin/env bash
# A first installation by keys: no PathInstall, the medium's version is
# accepted, the volume page lists the prefix's fixed drives (not the CD-ROM
# medium) and Enter records the first one, C:.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../tools/wine/wine-lib.sh"
. "$here/../lib/checks.sh"
. "$here/../lib/wizard.sh"
. "$here/decision.sh"

decision_setup
decision_machine first-installation
wizard_start
decision_confirm_language

decision_expect_page 1 "a first installation asks for the volume"
check_equals "the decision's trace" \
    "$(printf '%s\n' 'pathInstall.IsEmpty()' touche_ConfMAJ_yesClick 'versionCD=5.2.0' \
        'versionHD=' 'version OK' '1ere installation')" \
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
check_line "the up-arrow stops at the first item" "$(probe state listbox1)" "selected=0"
probe key ENTER >/dev/null
# The page that follows depends on the power the prefix reports (6 on
# mains, 11 otherwise); both come after PathInstall is written.
for _ in $(seq 100); do
    [ -n "$(tavrik_wine_reg_value "$decision_product_key" PathInstall)" ] && break
    sleep 0.1
done
check_equals "Enter records the drive" "C:" "$(tavrik_wine_reg_value "$decision_product_key" PathInstall)"
page=$(probe page)
case "${page%% *}" in
    6 | 11) check_pass "the run goes on to the work or the mains check ($page)" ;;
    *) check_fail "after the volume: page [$page]" ;;
esac
check_equals "the volume page adds no trace of its own" "" \
    "$(wizard_trace | awk 'f { print } /^On_PageInstall$/ { f = 1 }' |
        grep -xE 'Independant|Non Independant')"
checks_done
