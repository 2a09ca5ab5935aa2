# shellcheck shell=bash
# Steps shared by the installation scenarios: the real wizard does the work
# with the demo medium's setup simulator, components and update script.
# Sourcing this file brings the Wine harness, the checks, the wizard's and
# the decision scenarios' steps and the comparison of the machine with it.

install_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$install_here/../lib/scenario.sh"
. "$install_here/../decision/decision.sh"

# The prefix's C: drive, the installed tree (C:\APP is the prefix's "app"
# folder: Wine resolves names without regard to case) and the components'
# own record.
install_c() { echo "$WINEPREFIX/drive_c"; }
install_tree() { echo "$(install_c)/app/BRENDOL"; }
install_components_log() { echo "$(install_c)/TavrikComponents.txt"; }

install_setup() {
    decision_setup
    install_forget
    trap install_cleanup EXIT
}

# A PC with the medium's version 5.2.0 installed, its tree in place.
install_on_installed_pc() {
    install_setup
    decision_machine installed 5.2.0
    install_put_tree
}

install_forget() {
    rm -rf "$(install_tree)" "$(install_c)/app/TEMP" "$(install_c)/ProgramData/Start Menu/Programs/Solvane"
    rm -f "$(install_c)/setup.log" "$(install_c)/PGB_Avance.ini" "$(install_components_log)" \
        "$(install_c)/updateqxd-result.txt"
}

install_cleanup() {
    decision_cleanup
    install_forget
}

# Waits (bounded) until page 6 offers its validate button: the setup's
# outcome or a notice.
# install_wait_validate [SECONDS] [FAILURE]: waits (bounded) for page 6's
# validate button; when it never shows, the failure is recorded (by default
# "page 6 never offered its validate button") and the status is non-zero.
install_wait_validate() {
    wizard_wait_state Bouton_Valide_MAJEnCours visible=1 "${1:-90}" && return 0
    check_fail "${2:-page 6 never offered its validate button}"
    return 1
}

# From page 5 to page 6 by keys, for each road (after decision_confirm_language).
install_reach_work() {
    case "$1" in
        first-installation)
            decision_expect_page 1 "a first installation asks for the volume"
            probe key ENTER >/dev/null
            ;;
        update) ;;
        reinstallation)
            decision_expect_page 3 "the same version asks what to do"
            probe key ENTER >/dev/null
            ;;
        removal)
            decision_expect_page 3 "the same version asks what to do"
            probe key DOWN >/dev/null
            wizard_wait_state RadioButton2 checked=1 10 || check_fail "the arrow did not select removal"
            probe key ENTER >/dev/null
            ;;
    esac
    decision_expect_page 6 "the road reaches the work"
}

# The changes of the work on page 6 besides the product key and the
# installed tree (machine_compare expectations, one a line): the trace, the
# waiting pictures' copy, the setup's log and, for an installation, the
# components' record.
#   mapfile -t expected < <(install_work_changes removal)
install_work_changes() {
    printf '%s\n' +file:TraceTavrik.log '+file:app/TEMP/*' +file:setup.log
    [ "$1" = removal ] || echo +file:TavrikComponents.txt
}

# The values that the work adds to the product key (expectations, one a
# line): "written" for a key that existed, "new" for one that the run made.
install_key_changes() {
    local key="reg:$decision_product_key" value
    [ "$1" = new ] && printf '%s\n' "${decision_new_key[@]}" "+$key\\PathInstall"
    for value in Install CD Langue EXE; do
        echo "+$key\\$value"
    done
}

# Every change of a road that runs to its successful end: the work's, the
# product key's and the installed tree's.
install_road_changes() {
    install_work_changes "$1"
    case "$1" in
        first-installation) install_key_changes new ;;
        update | reinstallation) install_key_changes written ;;
    esac
    case "$1" in
        first-installation | reinstallation) echo '+file:app/BRENDOL/*' ;;
        update) printf '%s\n' '+file:app/BRENDOL/*' '~file:app/BRENDOL/applic.ini' ;;
        removal) printf '%s\n' "-reg:$decision_product_key\\*" '-file:app/BRENDOL/*' ;;
    esac
}

# Waits (bounded) for the components' record to be complete: the viewer, a
# component of first installations that the wizard does not wait for,
# records its line when it ends, which may be after the setup.
install_wait_components() {
    [ "$1" = first-installation ] || return 0
    wait_until 10 grep -q 'name=viewer' "$(install_components_log)" && return 0
    check_fail "the viewer component never recorded its line:"$'\n'"$(cat "$(install_components_log)" 2>&1)"
}

# The trace from page 6's show on.
install_trace() {
    wizard_trace | awk '/^OnPageInstallEnCours$/ { on = 1 } on { print }'
}

# A shortcut of the suite in the all-users profile (C:\ProgramData here),
# which a failed setup removes.
# install_set_components < LINES: the medium copy's [INSTALL_COMPOSANTS]
# holds the lines read (LF ends; written with CR LF as the medium has them).
install_set_components() {
    local ap_ini
    ap_ini=$(wizard_medium_file ap.ini)
    {
        awk '{ sub(/\r$/, "") } /^\[/ { skip = ($0 == "[INSTALL_COMPOSANTS]") } !skip' "$ap_ini"
        echo '[INSTALL_COMPOSANTS]'
        cat
    } | sed 's/$/\r/' >"$ap_ini.new" && mv "$ap_ini.new" "$ap_ini"
}

install_shortcut_path='ProgramData/Start Menu/Programs/Solvane/Solvane 2000.lnk'
install_shortcut() { echo "$(install_c)/$install_shortcut_path"; }
install_put_shortcut() {
    mkdir -p "$(dirname "$(install_shortcut)")"
    printf 'link' >"$(install_shortcut)"
}

# The installed tree as a previous run left it: the medium's application.
install_put_tree() {
    mkdir -p "$(install_tree)"
    cp -r "$(wizard_medium_file BRENDOL)/." "$(install_tree)/"
}
