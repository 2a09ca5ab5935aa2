# shellcheck shell=bash
# Steps shared by the installation scenarios: the real wizard does the work
# with the demo medium's setup simulator, components and update script.
# Sourcing this file brings the Wine harness, the checks, the wizard's and
# the decision scenarios' steps with it.

install_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$install_here/../../../tools/wine/wine-lib.sh"
. "$install_here/../lib/checks.sh"
. "$install_here/../lib/wizard.sh"
. "$install_here/../decision/decision.sh"
install_dico="$install_here/../../../medium/dico"

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

install_forget() {
    rm -rf "$(install_tree)" "$(install_c)/app/TEMP" "$(install_c)/ProgramData/Start Menu/Programs/Solvane"
    rm -f "$(install_c)/setup.log" "$(install_c)/PGB_Avance.ini" "$(install_components_log)" \
        "$(install_c)/updateqxd-result.txt"
}

install_cleanup() {
    decision_cleanup
    install_forget
}

# Sets a key of the medium copy's response file (the simulator's progress
# and fault switches):  install_response install.iss Faults Outcome fail
install_response() {
    local file
    file=$(wizard_medium_file "$1")
    awk -v section="[$2]" -v key="$3" -v value="$4" '
        { sub(/\r$/, "") }
        $0 == section { inside = 1; print; next }
        /^\[/ { inside = 0 }
        inside && index($0, key "=") == 1 { print key "=" value; next }
        { print }' "$file" | sed 's/$/\r/' >"$file.new" && mv "$file.new" "$file"
}

# The text of one phrase as page 6 shows it, with the period the page adds.
# The prefix's system language is English, so the runs choose GB.
install_phrase() {
    printf '%s. ' "$(awk -F '\t' -v n="$1" '$1 == n { print $2; exit }' "$install_dico/THESAUGB.txt")"
}

# Waits (bounded) until page 6 offers its validate button: the setup's
# outcome or a notice. The window does not answer while the wizard waits
# for a component or the update script.
install_wait_validate() {
    wizard_wait_state Bouton_Valide_MAJEnCours visible=1 "${1:-90}"
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
            for _ in $(seq 40); do
                probe state RadioButton2 | grep -qx 'checked=1' && break
                sleep 0.25
            done
            probe key ENTER >/dev/null
            ;;
    esac
    decision_expect_page 6 "the road reaches the work"
}

# The trace from page 6's show on.
install_trace() {
    wizard_trace | awk '/^OnPageInstallEnCours$/ { on = 1 } on { print }'
}

# How many pixels of pure-ish red the control shows on screen: a red notice.
install_red_pixels() {
    local state origin bounds x y w h shot
    state=$(probe state "$1")
    bounds=$(printf '%s\n' "$state" | sed -n 's/^bounds=//p')
    origin=$(probe window | sed -n 's/^client_origin=//p')
    IFS=, read -r x y w h <<<"$bounds"
    x=$((x + ${origin%,*}))
    y=$((y + ${origin#*,}))
    shot=$(mktemp --suffix=.png)
    import -display "$DISPLAY" -window root "$shot"
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 txt:- |
        awk -F '[(),]' 'NR > 1 && $3 + 0 > 180 && $4 + 0 < 80 && $5 + 0 < 80 { n++ } END { print n + 0 }'
    rm -f "$shot"
}

# A shortcut of the suite in the all-users profile (C:\ProgramData here),
# which a failed setup removes.
install_shortcut() { echo "$(install_c)/ProgramData/Start Menu/Programs/Solvane/Solvane 2000.lnk"; }
install_put_shortcut() {
    mkdir -p "$(dirname "$(install_shortcut)")"
    printf 'link' >"$(install_shortcut)"
}

# The installed tree as a previous run left it: the medium's application.
install_put_tree() {
    mkdir -p "$(install_tree)"
    cp -r "$(wizard_medium_file BRENDOL)/." "$(install_tree)/"
}
