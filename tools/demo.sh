#!/usr/bin/env bash
# Runs the wizard on the built-in demo medium under Wine, in a fresh prefix
# prepared as a workshop PC like the test prefixes (tools/wine/wine-up.sh:
# Windows XP, the medium as CD-ROM drive D:, the suite's C:\app\qxdiag\qxd.bat).
#
# With a display (DISPLAY set) the window opens there and you drive it.
# Without one, the wizard runs under Xvfb and the demo walks a first
# installation by keys, saves a screenshot of every page it passes in
# build/demo/screenshots/ and prints what the run left; it fails when the
# walk does not reach the end of the run.
#
# usage: demo.sh [WIZARD ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
jobs=${TAVRIK_JOBS:-2}

echo "=== building the wizard, the probe and the medium's programs (win64), the dictionaries and pictures (native)"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs" --target tavrik lx32 probe demo_setup brendol brendolx compmark
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs" --target medium_dictionaries medium_wait_pictures

state=$source_dir/build/demo
medium=$state/medium
tools/assemble-medium.sh "$medium" build/win64 build/native/medium

if [ -n "${DISPLAY:-}" ]; then
    echo "=== preparing a fresh prefix for $DISPLAY"
    tools/wine/wine-up.sh "$state/wine" --medium "$medium" --display "$DISPLAY" >/dev/null
    trap 'tools/wine/wine-down.sh "$state/wine" >/dev/null 2>&1' EXIT
    . tools/wine/wine-lib.sh
    tavrik_wine_load "$state/wine"
    echo "=== the wizard runs on $DISPLAY; close it with its exit button or F1"
    status=0
    (cd "$medium" && "$TAVRIK_WINE" tavrik.exe "$@") || status=$?
    echo "=== the wizard ended with code $status; its trace log: $WINEPREFIX/drive_c/TraceTavrik.log"
    exit "$status"
fi

echo "=== no display: a first installation walked by keys under Xvfb"
. tools/demo-lib.sh
# From here on a failed read of the probe is an answer, not the end.
set +e
shots=$state/screenshots
rm -rf "$shots"
mkdir -p "$shots"
started=$SECONDS
# The demo's setup takes its time (6 steps of 1.5 s), so that the page
# can be seen, and shot, while it runs.
demo_before_start() { wizard_medium_ini install.iss Progress StepMs 1500; }
demo_wizard_start "$state" "$medium" "$@" || exit 1
walk_started=$SECONDS

shot_count=0
# The screen as NN-NAME.png, in the order of the walk, once the window's
# texts are settled (or at once with --now: the setup's progress lasts
# about 2 s).
walk_shot() {
    local file
    shot_count=$((shot_count + 1))
    file=$(printf '%s/%02d-%s.png' "$shots" "$shot_count" "${*: -1}")
    if [ "$1" = --now ]; then
        import -display "$DISPLAY" -window root "$file"
    else
        demo_screenshot "$file"
    fi
}

walk_stopped=""
walk_stop() {
    walk_stopped=$1
    walk_shot "stopped"
    return 1
}

# Waits (bounded) for page N, saves it and presses KEY.
walk_page() {
    local shown
    shown=$(probe wait-page "$1" 15000) || { walk_stop "page $1 did not come (the page is [$(probe page)])"; return 1; }
    walk_shot "page$1-${shown#* }"
    echo "page $shown: $2"
    probe key "$2" >/dev/null
}

# Waits (bounded) until the page is another than FROM and prints it. The
# window does not answer while the wizard waits for a child process.
walk_next_page() {
    local page
    for _ in $(seq 120); do
        page=$(probe page 2>/dev/null)
        [ -n "$page" ] && [ "${page%% *}" != "$1" ] && { echo "$page"; return 0; }
        sleep 0.25
    done
    return 1
}

outcome=""
walk() {
    walk_page 7 ENTER && walk_page 4 ENTER && walk_page 5 F3 && walk_page 1 ENTER || return 1
    # The machine and the medium may ask first for mains power (11) and the
    # licence of an independent installation (8).
    local page=1
    while :; do
        page=$(walk_next_page "${page%% *}") || { walk_stop "the page stayed [$(probe page)]"; return 1; }
        case "${page%% *}" in
            11 | 8) walk_page "${page%% *}" ENTER || return 1 ;;
            6) break ;;
            *) walk_stop "unexpected page [$page]"; return 1 ;;
        esac
    done
    # Page 6 runs the components, then the setup with its progress bar, and
    # shows the outcome with its validate button (within 120 s).
    local name="page${page%% *}-${page#* }" setup_seen=no ended=no
    walk_shot "$name"
    echo "page $page: the components and the setup run"
    for _ in $(seq 480); do
        if probe state Bouton_Valide_MAJEnCours 2>/dev/null | grep -qx 'visible=1'; then
            ended=yes
            break
        fi
        # The setup runs once its progress bar shows; the shot waits for the
        # first waiting picture too, which the page's timer brings a moment
        # later (the setup's progress lasts about 2 s).
        if [ "$setup_seen" = no ] && probe state ProgressBar1 2>/dev/null | grep -qx 'visible=1' &&
            wizard_shows_picture ImageAttenteMAJ; then
            setup_seen=yes
            walk_shot --now "$name-setup-running"
        fi
        sleep 0.25
    done
    [ "$ended" = yes ] || { walk_stop "page 6 never offered its validate button"; return 1; }
    [ "$setup_seen" = yes ] || echo "page $page: the setup ended before a screenshot of its progress"
    walk_shot "$name-outcome"
    outcome=$(probe text Texte_Page_MAJEnCours)
    echo "page $page: the outcome, ENTER"
    probe key ENTER >/dev/null
    local status
    status=$(wizard_wait_end 30)
    [ "$status" = 0 ] || { walk_stop "the run did not end with code 0 after the outcome (status: $status)"; return 1; }
}
walk
walked=$?
walk_seconds=$((SECONDS - walk_started))

c=$WINEPREFIX/drive_c
indent() { sed 's/\r$//; s/^/    /'; }
echo
if [ "$walked" -eq 0 ]; then
    echo "=== the walk reached the end of the run in $walk_seconds s (the prefix and the wizard's start took $((walk_started - started)) s before)"
else
    echo "=== the walk STOPPED after $walk_seconds s: $walk_stopped"
fi
echo "=== screenshots in $shots:"
find "$shots" -name '*.png' -printf '%f\n' | sort | indent
[ -z "$outcome" ] || { echo "=== page 6's outcome:"; printf '%s\n' "${outcome//\\n/$'\n'}" | indent; }
echo "=== trace log C:\\TraceTavrik.log ($c/TraceTavrik.log):"
wizard_trace | indent
echo "=== product key HKLM\\SOFTWARE\\NORVA\\BRENDOL_PC:"
"$TAVRIK_WINE" reg query 'HKLM\SOFTWARE\NORVA\BRENDOL_PC' 2>&1 | tr -d '\r' | grep -v '^$' | indent
echo "=== installed tree C:\\APP\\BRENDOL ($c/app/BRENDOL):"
if [ -d "$c/app/BRENDOL" ]; then
    (cd "$c/app/BRENDOL" && find . -type f -printf '%P  %s bytes\n' | sort) | indent
else
    echo "    (none)"
fi
echo "=== components' record C:\\TavrikComponents.txt:"
if [ -f "$c/TavrikComponents.txt" ]; then indent <"$c/TavrikComponents.txt"; else echo "    (none)"; fi
echo "=== the wizard's own output: $demo_log"
exit "$walked"
