#!/usr/bin/env bash
# The screenshots of the README's tour: the real wizard on the demo medium
# under Wine and Xvfb, driven by keys to each of its eleven pages, in
# English (the prefix's system language), and the language choice,
# confirmation and end of the work in Russian. Each picture is the wizard's
# client area (the frame is drawn by Wine), taken once the page shows its
# text and the screen has stopped changing, as an 8-bit palette PNG.
#
# usage: sudo tools/tour-screenshots.sh [OUT_DIR]      (default: docs/tour)
# Needs the win64 build (the wizard, the medium's programs, the probe and
# the test programs) and the native build's medium folder. Root runs the
# mains-power page: the wizard sees a battery and no mains through a
# private mount namespace that lays a fake power supply over
# /sys/class/power_supply, where Wine reads the power status.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
root=$PWD
out=${1:-docs/tour}
[ "$(id -u)" -eq 0 ] || { echo "tour-screenshots: needs root for the mains-power page (a mount namespace)" >&2; exit 1; }
for program in build/win64/tests/e2e/probe/probe.exe build/win64/tests/e2e/system/QXM.exe \
    build/win64/tests/e2e/medium/holdlib.exe; do
    [ -f "$program" ] || { echo "tour-screenshots: missing $program: build the win64 preset" >&2; exit 1; }
done
mkdir -p "$out"
out=$(cd "$out" && pwd)
state=$root/build/tour
native=build/native
[ -d build/native-asan/medium ] && native=build/native-asan
tools/assemble-medium.sh "$state/medium" build/win64 "$native/medium" >/dev/null || exit 1
tools/wine/wine-up.sh "$state/wine" --medium "$state/medium" >/dev/null || exit 1
export TAVRIK_WINE_STATE=$state/wine TAVRIK_DEMO_MEDIUM=$state/medium TAVRIK_WIN64_DIR=$root/build/win64
# shellcheck source=tests/e2e/install/install.sh
. tests/e2e/install/install.sh
# shellcheck source=tests/e2e/medium/outside.sh
. tests/e2e/medium/outside.sh
# shellcheck source=tests/e2e/system/suite.sh
. tests/e2e/system/suite.sh
# The scenarios' helpers keep their files in the working folder.
cd "$state" || exit 1
# The wizard's own diagnostics and the checks' lines stay out of the way.
exec 3>&1 >"$state/tour.log" 2>&1
say() { echo "$*" >&3; }

tour_finish() {
    local status=$?
    [ "$status" -eq 0 ] || say "tour-screenshots: failed, see $state/tour.log"
    if [ -f "$outside_work/holdlib.exe.held" ]; then
        : >"$outside_work/holdlib.exe.stop"
        outside_wait_gone "$outside_work/holdlib.exe.held" 5
    fi
    rm -rf "$outside_work"
    suite_stop_all
    install_cleanup
    "$root/tools/wine/wine-down.sh" "$state/wine"
}
install_setup
# The folder of the program that holds a library of the installed tree.
outside_work=$(install_c)/tavrik-holder
trap tour_finish EXIT

tour_fail() {
    say "tour-screenshots: $*"
    tavrik_wine_fail "$*"
}

# --- Waiting for a state, and the pictures.

tour_key() { probe key "$@" >/dev/null; }

tour_page() {
    probe wait-page "$1" 20000 >/dev/null || tour_fail "page $1 did not show (now: $(probe page))"
}

# Waits until the control shows a text, the same twice.
tour_text() {
    local text=""
    for _ in $(seq 60); do
        text=$(probe_settled text "$1")
        [ -n "$text" ] && return 0
        sleep 0.25
    done
    tour_fail "$1 never showed a text"
}

# The wizard's client area on the screen, into the file.
tour_grab() {
    local client origin
    client=$(probe window) || return 1
    origin=$(printf '%s\n' "$client" | sed -n 's/^client_origin=//p')
    client=$(printf '%s\n' "$client" | sed -n 's/^client=//p')
    [ -n "$origin" ] && [ -n "$client" ] || return 1
    import -display "$DISPLAY" -window root -crop "${client}+${origin%,*}+${origin#*,}" +repage "$1"
}

# tour_shot NAME: once two grabs in a row are the same picture (the page is
# drawn), saves it as OUT_DIR/NAME.png with at most 256 colours.
tour_shot() {
    local grab=$state/grab.png previous="" current=""
    for _ in $(seq 60); do
        if tour_grab "$grab"; then
            current=$(convert "$grab" rgb:- | md5sum)
            if [ "$current" = "$previous" ]; then
                convert "$grab" -dither None -colors 256 -strip PNG8:"$out/$1.png"
                say "  $1.png ($(stat -c %s "$out/$1.png") bytes)"
                return 0
            fi
            previous=$current
        fi
        sleep 0.25
    done
    tour_fail "the window never stood still for $1"
}

# tour_end CODE: the wizard ends with that code.
tour_end() {
    [ "$(wizard_wait_end 20)" = "$1" ] || tour_fail "the wizard did not end with $1"
}

# Page 7 to page 5 with the preselected language; each page is drawn
# before a key leaves it.
tour_to_confirmation() { wizard_to_confirmation tour_page_drawn; }
tour_page_drawn() {
    tour_page "$1"
    case $1 in
        7) tour_text Label_PageRecom ;;
        5) tour_text Label_CF_LG ;;
    esac
}

# A machine with nothing installed.
tour_first_installation() {
    install_forget
    decision_machine first-installation
}

# On page 4: moves the highlight from the preselected flag by OFFSET flags,
# right when positive, left when negative.
tour_move_flag() {
    local key=RIGHT count=$1
    if [ "$count" -lt 0 ]; then
        key=LEFT
        count=$((-count))
    fi
    for _ in $(seq "$count"); do tour_key "$key"; done
}

# The flag page 5 shows, as the trace names it: THESAURU.
tour_confirmed_flag() {
    wizard_trace | sed -n 's/^dico= .*\\\(THESAU..\)\.bmp$/\1/p' | tail -n 1
}

# tour_choose_language CODE NAME: on page 4, chooses the language by the
# arrow keys as a person does: tries the flags right and left of the
# preselected one until page 5 shows that language's flag (F4 goes back,
# and the page selects its default again), then walks there once more for
# the picture NAME and confirms. Leaves the wizard on page 5.
tour_choose_language() {
    local offset
    # 0, 1, -1, 2, -2 ...: every flag of the 30 the page can hold.
    for offset in 0 $(for n in $(seq 29); do echo "$n -$n"; done); do
        tour_page 4
        tour_move_flag "$offset"
        tour_key ENTER
        tour_page 5
        tour_text Label_CF_LG
        if [ "$(tour_confirmed_flag)" = "THESAU$1" ]; then
            tour_key F4
            tour_page 4
            tour_move_flag "$offset"
            tour_shot "$2"
            tour_key ENTER
            tour_page 5
            tour_text Label_CF_LG
            return 0
        fi
        tour_key F4
    done
    tour_fail "no flag of page 4 is THESAU$1"
}

# Page 6 until it offers its validate button (the outcome or a notice).
tour_work_ends() {
    install_wait_validate 120 || tour_fail "page 6 never offered its validate button"
    tour_text Texte_Page_MAJEnCours
}

# Starts the wizard as wizard_start does, in a private mount namespace
# where /sys/class/power_supply holds a battery at 80 % that discharges and
# a mains supply that is off line.
# shellcheck disable=SC2154,SC2034  # wizard.sh's state, which wizard_end reads
tour_start_on_battery() {
    rm -f "$wizard_status_file"
    (
        status=0
        # shellcheck disable=SC2016  # expanded by the inner shell
        unshare --mount --propagation private bash -c '
            set -e
            mount -t tmpfs tour-power /sys/class/power_supply
            cd /sys/class/power_supply
            mkdir BAT0 AC
            echo Battery >BAT0/type
            echo Discharging >BAT0/status
            echo 80 >BAT0/capacity
            echo Mains >AC/type
            echo 0 >AC/online
            cd "$1"
            shift
            exec "$@"' tour-power "$wizard_medium" \
            timeout --kill-after=5 300 "$TAVRIK_WINE" "$wizard_medium/tavrik.exe" || status=$?
        echo "$status" >"$wizard_status_file"
    ) &
    wizard_job=$!
    probe wait-window 30000 >/dev/null || tour_fail "the wizard's window did not appear"
}

# The setup takes its time, so that page 6 can be seen at work: 100 steps,
# the bar moving one each, and a pause of 20 s halfway, where the picture
# is taken.
wizard_medium_ini install.iss Progress Steps 100
wizard_medium_ini install.iss Progress StepMs 50
wizard_medium_ini install.iss Faults HangSeconds 20

say "--- a first installation, in English: pages 7, 4, 5, 1, 6"
tour_first_installation
wizard_start
tour_page 7
tour_text Label_PageRecom
tour_shot 07-start
tour_key ENTER
tour_page 4
tour_shot 04-language
tour_key ENTER
tour_page 5
tour_text Label_CF_LG
tour_shot 05-confirmation
tour_key F3
tour_page 1
tour_text Label_VolInstall
tour_shot 01-volume
tour_key ENTER
tour_page 6
for _ in $(seq 240); do
    position=$(probe state ProgressBar1 | sed -n 's/^position=//p')
    [ "${position:-0}" -ge 51 ] && break
    sleep 0.25
done
[ "${position:-0}" -ge 51 ] || tour_fail "the progress bar did not reach the pause (${position:-no position})"
tour_shot 06-work
tour_work_ends
tour_shot 06-done
tour_key ENTER
tour_end 0

say "--- the same version installed: pages 3 and, with a library held, 10"
decision_machine installed 5.2.0
install_put_tree
mkdir -p "$outside_work"
cp "$TAVRIK_WIN64_DIR/tests/e2e/medium/holdlib.exe" "$outside_work/"
outside_hold 'C:\APP\BRENDOL\EXE\brendolx.dll'
wizard_start
tour_to_confirmation
tour_key F3
tour_page 3
tour_text Label_inst
tour_shot 03-same-version
tour_key ENTER
tour_page 6
tour_work_ends
tour_key ENTER
tour_page 10
tour_text Texte_PageReboot
tour_shot 10-restart
tour_key F1
tour_end 0
outside_release

say "--- a newer version installed: page 2"
decision_machine installed 5.3.0
wizard_start
tour_to_confirmation
tour_key F3
tour_page 2
tour_text Label_BadVersion
tour_shot 02-refused
tour_key ENTER
tour_end 0

say "--- an independent installation: page 8"
tour_first_installation
ap_ini=$(wizard_medium_file ap.ini)
sed -i 's/^INDEPENDANT=FALSE\r$/INDEPENDANT=TRUE\r/' "$ap_ini"
grep -q '^INDEPENDANT=TRUE' "$ap_ini" || tour_fail "ap.ini of the medium copy is not independent"
wizard_start
tour_to_confirmation
tour_key F3
tour_page 1
tour_key ENTER
tour_page 8
tour_text Label1
tour_shot 08-licence
tour_key F1
tour_end 0
sed -i 's/^INDEPENDANT=TRUE\r$/INDEPENDANT=FALSE\r/' "$ap_ini"

say "--- a program of the suite running: page 9"
tour_first_installation
suite_start QXM
wizard_start
tour_page 7
tour_text Label_PageRecom
tour_key ENTER
tour_page 9
tour_text TextePageArretAppli
tour_shot 09-running-programs
tour_key F1
tour_end 0
suite_stop QXM

say "--- on battery: page 11"
tour_first_installation
tour_start_on_battery
tour_to_confirmation
tour_key F3
tour_page 1
tour_key ENTER
tour_page 11
tour_text LabelPageControleSecteur
tour_shot 11-mains-power
tour_key F1
tour_end 0

say "--- a first installation in Russian: pages 4, 5, 6"
tour_first_installation
wizard_start
tour_page 7
tour_text Label_PageRecom
tour_key ENTER
tour_choose_language RU ru-04-language
tour_shot ru-05-confirmation
tour_key F3
tour_page 1
tour_key ENTER
tour_page 6
tour_work_ends
tour_shot ru-06-done
tour_key ENTER
tour_end 0

say "tour screenshots in $out"
