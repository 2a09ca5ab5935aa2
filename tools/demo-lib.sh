# shellcheck shell=bash
# What tools/demo.sh and tools/screenshots.sh share: the real wizard on the
# demo medium in a fresh prefix under Xvfb, read and driven with the probe of
# the end-to-end scenarios (tests/e2e/lib/wizard.sh), and screenshots taken
# once the window shows a settled page.
#
#   demo_wizard_start STATE MEDIUM [ARGS...]  # prefix STATE/wine, the wizard started
#                                             # (after demo_before_start, if defined)
#   demo_screenshot FILE                      # the screen, once the texts are settled
#
# The probe's helpers take a failed read as an answer: run them without
# `set -e`. Needs the win64 build's wizard and probe (build/win64).

demo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=tools/wine/wine-lib.sh
. "$demo_root/tools/wine/wine-lib.sh"
# shellcheck source=tests/e2e/lib/checks.sh
. "$demo_root/tests/e2e/lib/checks.sh"
# shellcheck source=tests/e2e/lib/wizard.sh
. "$demo_root/tests/e2e/lib/wizard.sh"

# Prepares a fresh prefix in STATE/wine under its own Xvfb (wine-up.sh, as
# for the tests), starts the wizard from a copy of MEDIUM as drive D: and
# waits for its window; the wizard's own output goes to STATE/wizard.log.
# On exit the trap ends the wizard, then the prefix's Wine server and the X
# server.
demo_wizard_start() {
    local state=$1 medium=$2 here=$PWD
    shift 2
    export TAVRIK_WINE_STATE=$state/wine TAVRIK_DEMO_MEDIUM=$medium
    export TAVRIK_WIN64_DIR=${TAVRIK_WIN64_DIR:-$demo_root/build/win64}
    demo_log=$state/wizard.log
    demo_started=no
    rm -f "$demo_log"
    trap demo_down EXIT
    "$demo_root/tools/wine/wine-up.sh" "$TAVRIK_WINE_STATE" --medium "$medium" >/dev/null || return 1
    # wizard.sh keeps the program's exit status in the working folder.
    cd "$state" && wizard_setup && cd "$here" || return 1
    trap demo_down EXIT
    # A caller may change its copy of the medium first (wizard_medium_ini).
    if declare -F demo_before_start >/dev/null; then demo_before_start || return 1; fi
    wizard_start "$@" >"$demo_log" 2>&1 || return 1
    demo_started=yes
}

demo_down() {
    [ "$demo_started" = yes ] || tail -n 5 "$demo_log" >&2 2>/dev/null
    wizard_cleanup >>"$demo_log" 2>&1
    "$demo_root/tools/wine/wine-down.sh" "$TAVRIK_WINE_STATE" >/dev/null 2>&1
}

demo_screenshot() {
    probe_settled all >/dev/null
    import -display "$DISPLAY" -window root "$1"
}
