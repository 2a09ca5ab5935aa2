#!/usr/bin/env bash
# The language pages by keys on the real wizard: the installed application's
# language (Hungarian, the 7th of the medium's 14 flags) is pre-selected,
# the arrows and the scroll bar follow the rows, and page 5 asks its
# question in the chosen language and script, read back through the probe.
#
# Flags of the demo medium in listing order:
#   CS DE EL ES / FR GB HU IT / NL PL PT RU / SV TR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../tools/wine/wine-lib.sh"
. "$here/../lib/checks.sh"
. "$here/../lib/wizard.sh"

product_key='HKLM\SOFTWARE\NORVA\BRENDOL_PC'
installed_exe=""

# The installed application's language decides the default dictionary;
# its DICO.TXT and PathInstall go when the scenario ends.
language_setup() {
    wizard_setup
    installed_exe="$WINEPREFIX/drive_c/APP/BRENDOL/EXE"
    trap language_cleanup EXIT
    mkdir -p "$installed_exe"
    printf 'Dico=THESAUHU.DBZ' >"$installed_exe/DICO.TXT"
    "$TAVRIK_WINE" reg add "$product_key" /v PathInstall /d 'C:' /f >/dev/null 2>&1 ||
        tavrik_wine_fail "cannot write PathInstall"
}

language_cleanup() {
    wizard_cleanup
    "$TAVRIK_WINE" reg delete "$product_key" /f >/dev/null 2>&1
    rm -rf "$WINEPREFIX/drive_c/APP"
    return 0
}

expect_page() {
    local shown
    shown=$(probe wait-page "$1" 15000)
    check_equals "$2" "$1" "${shown%% *}"
}

# Phrase 47044 of a dictionary source, as UTF-8.
question_of() {
    awk -F '\t' '$1 == "47044" { print $2 }' "$here/../../../medium/dico/THESAU$1.txt"
}

# Page 5 for the flag of this code: the trace names its bitmap and the
# question is the dictionary's own, in its own script.
expect_confirmation() {
    local code=$1
    expect_page 5 "Enter confirms the highlighted flag ($code)"
    check_equals "page 5 switches to THESAU$code" "dico= D:\\BRENDOL\\DICO\\THESAU$code.bmp" \
        "$(wizard_trace | grep '^dico= ' | tail -n 1)"
    check_equals "the question in THESAU$code" "$(question_of "$code")" "$(probe text Label_CF_LG)"
}

language_setup
wizard_start
expect_page 7 "the wizard opens on the recommendations"
probe key ENTER >/dev/null
expect_page 4 "validate leads to the language choice"
check_equals "the page's trace" "On_Page_Choix_LG" "$(wizard_trace | tail -n 1)"
check_line_within 10 "one scroll position per row" "range=1,4" probe state ScrollBar1
check_line_within 10 "the default language's row is at the top" "position=2" probe state ScrollBar1
wizard_screenshot language-choice-hungarian

# Right from HU: IT, a language of the Latin script.
probe key RIGHT >/dev/null
probe key ENTER >/dev/null
expect_confirmation IT
wizard_screenshot language-confirmation-italian

# Back with F4: HU is highlighted again; Up leaves the window's top row
# for EL above it, and the window scrolls with it.
probe key F4 >/dev/null
expect_page 4 "F4 goes back to the flags"
probe key UP >/dev/null
check_line_within 10 "the bar follows the first row" "position=1" probe state ScrollBar1
probe key ENTER >/dev/null
expect_confirmation EL
wizard_screenshot language-confirmation-greek

# Russian: HU, Down to PT, Right to RU.
probe key F4 >/dev/null
expect_page 4 "F4 goes back to the flags"
probe key DOWN >/dev/null
check_line_within 10 "the bar follows the third row" "position=3" probe state ScrollBar1
probe key RIGHT >/dev/null
probe key ENTER >/dev/null
expect_confirmation RU
wizard_screenshot language-confirmation-russian

probe key F1 >/dev/null
wizard_check_stays "F1 does nothing on page 5" 5
probe click SpeedButton_non_CF_LG >/dev/null
expect_page 4 "No goes back to the flags"
probe key F1 >/dev/null
check_equals "F1 on the flags ends the wizard" "0" "$(wizard_wait_end 20)"
checks_done
