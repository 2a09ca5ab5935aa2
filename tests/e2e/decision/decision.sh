# shellcheck shell=bash
# Steps shared by the decision scenarios. Source after
# tests/e2e/lib/scenario.sh.

decision_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck disable=SC2034  # used by the scenarios
decision_product_key='HKLM\SOFTWARE\NORVA\BRENDOL_PC'
# The product key as a run makes it on a machine without one (machine_compare
# expectations): the key, and the maker's key above it on a machine that had
# none either.
# shellcheck disable=SC2034  # used by the scenarios
decision_new_key=('?+reg:HKLM\SOFTWARE\NORVA\' "+reg:$decision_product_key\\")

# The medium copy and the prefix, then our own clean-up on exit: the
# wizard's first (it ends the program), then the machine's.
decision_setup() {
    wizard_setup
    "$decision_here/machine.sh" clean
    trap decision_cleanup EXIT
}

decision_cleanup() {
    wizard_cleanup
    "$decision_here/machine.sh" clean
}

decision_machine() {
    "$decision_here/machine.sh" "$@" || tavrik_wine_fail "machine.sh $* failed"
}

# The medium copy's ap.ini with INDEPENDANT = value.
decision_independent() { wizard_medium_ini ap.ini INSTALL INDEPENDANT "$1"; }

# Leaves one language on the medium copy, so page 4 selects it by itself.
decision_only_language() {
    local dico
    dico=$(wizard_medium_file BRENDOL/DICO)
    find "$dico" -maxdepth 1 -iname 'THESAU*.bmp' ! -iname "THESAU$1.bmp" -delete
    [ -f "$dico/THESAU$1.bmp" ] || tavrik_wine_fail "no flag THESAU$1.bmp on the medium"
}

# Waits for page N; fails the check when another page stays.
decision_expect_page() {
    local shown
    shown=$(probe wait-page "$1" 15000)
    check_equals "$2" "$1" "${shown%% *}"
}

# From the first page to the decision: recommendations, language choice,
# confirmation with F3.
decision_confirm_language() {
    wizard_to_confirmation decision_expect_page
    probe key F3 >/dev/null
}

# The decision's expected trace lines for a scenario, shared with the dry
# run's tests (expected/README.md).
decision_expected_trace() { cat "$decision_here/expected/$1.trace"; }

# The trace lines of the decision: from its first line up to (without) the
# line of the next page's show handler.
decision_trace() {
    wizard_trace | awk '
        /^pathInstall/ || /^touche_ConfMAJ_yesClick$/ { on = 1 }
        on && /^(On_PageInstall|OnPageErreurVersion|On_PageConfirmationMAJ|PageClufShow|OnPageInstallEnCours)$/ { exit }
        on { print }'
}

# The wizard's own process, when it is still running: the time-out wrapper
# that wizard_start left under its background job. Signalled by PID only.
