# shellcheck shell=bash
# Running the real wizard from the demo medium in the Wine prefix, for the
# end-to-end scenarios. Source after tools/wine/wine-lib.sh and checks.sh:
#
#   wizard_setup                      # loads the prefix, points D: at the demo medium
#   wizard_start [ARGS...]            # starts tavrik.exe from D:\ in the background
#   wizard_to_confirmation EXPECT     # page 7 to page 5 by keys
#   wizard_medium_ini FILE SECTION KEY VALUE   # sets a key of the medium copy
#   probe page                        # the probe, its output without CRs
#   wizard_wait_state NAME LINE [S]   # waits until `probe state NAME` has LINE
#   wizard_screenshot NAME            # NAME.png in the working folder
#   wizard_check_red DESCRIPTION CONTROL   # the control's text shows in red
#   wizard_shows_picture CONTROL      # the control shows a picture on screen
#   wizard_check_stays DESCRIPTION PAGE [SECONDS]   # an input changed nothing
#   wizard_wait_end [SECONDS]         # waits for the program to end; prints its status
#   wizard_trace                      # the trace log, CRs removed
#   wizard_phrase N [period]          # a phrase of the English dictionary
#
# The environment gives TAVRIK_DEMO_MEDIUM (the assembled medium) and
# TAVRIK_WIN64_DIR (the probe).

wizard_source=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
wizard_dico=$wizard_source/medium/dico

# The text of a phrase as the runs show it: the prefix's system language is
# English, so they choose GB (WIZARD_DICTIONARY=RU for a run in another).
# With "period", the period and space that the wizard adds to some phrases.
wizard_phrase() {
    local text dictionary="$wizard_dico/THESAU${WIZARD_DICTIONARY:-GB}.txt"
    text=$(awk -F '\t' -v n="$1" '$1 == n { print $2; exit }' "$dictionary")
    if [ "${2:-}" = period ]; then
        printf '%s. ' "$text"
    else
        printf '%s' "$text"
    fi
}

wizard_setup() {
    [ -n "${TAVRIK_DEMO_MEDIUM:-}" ] || tavrik_wine_fail "TAVRIK_DEMO_MEDIUM is not set"
    [ -f "$TAVRIK_DEMO_MEDIUM/tavrik.exe" ] || tavrik_wine_fail "no tavrik.exe in $TAVRIK_DEMO_MEDIUM"
    wizard_probe_exe="$TAVRIK_WIN64_DIR/tests/e2e/probe/probe.exe"
    [ -f "$wizard_probe_exe" ] || tavrik_wine_fail "the win64 probe is missing: $wizard_probe_exe"
    tavrik_wine_load
    wizard_medium=$(mktemp -d "${TMPDIR:-/tmp}/tavrik-medium.XXXXXX")
    cp -r "$TAVRIK_DEMO_MEDIUM/." "$wizard_medium/"
    tavrik_wine_use_medium "$wizard_medium"
    # Each scenario reads the trace of its own runs, never an earlier one's.
    rm -f "$WINEPREFIX/drive_c/TraceTavrik.log"
    wizard_status_file="$PWD/wizard.status"
    wizard_job=""
    trap wizard_cleanup EXIT
}

# A private copy of the medium: a scenario may change its files.
wizard_medium_file() { echo "$wizard_medium/$1"; }

# Sets an existing key of an INI file of the medium copy (CRLF lines):
#   wizard_medium_ini install.iss Faults Outcome fail
wizard_medium_ini() {
    local file
    file=$(wizard_medium_file "$1")
    awk -v section="[$2]" -v key="$3" -v value="$4" '
        { sub(/\r$/, "") }
        $0 == section { inside = 1; print; next }
        /^\[/ { inside = 0 }
        inside && index($0, key "=") == 1 { print key "=" value; next }
        { print }' "$file" | sed 's/$/\r/' >"$file.new" && mv "$file.new" "$file"
}

probe() {
    tavrik_wine_run 30 "$wizard_probe_exe" "$@" | tr -d '\r'
    return "${PIPESTATUS[0]}"
}

# The wizard blocks its window while it waits for a child process (the
# service script, a blocking component): reads made then come back empty.
# Reads the probe's answer until it is not empty and the same twice.
probe_settled() {
    local previous="" current
    for _ in $(seq 40); do
        current=$(probe "$@" 2>/dev/null)
        if [ -n "$current" ] && [ "$current" = "$previous" ]; then
            printf '%s\n' "$current"
            return 0
        fi
        previous=$current
        sleep 0.25
    done
    printf '%s\n' "$current"
}

# Waits (bounded, default 90 s) until the control's state has the line, such
# as visible=1; fails when it never does.
wizard_wait_state() {
    poll_output "${3:-90}" has_line "$2" probe state "$1"
}

# wizard_check_stays DESCRIPTION PAGE [SECONDS]: after an input that must
# change nothing, the wizard shows PAGE for the whole bound (2 s); a change
# fails the check as soon as it shows. A read that the busy window leaves
# empty tells nothing.
wizard_check_stays() {
    local shown=$2 page end=$(($(tavrik_wine_now_ms) + ${3:-2} * 1000))
    while [ "$(tavrik_wine_now_ms)" -lt "$end" ]; do
        page=$(probe page 2>/dev/null)
        [ -z "$page" ] || shown=${page%% *}
        [ "$shown" = "$2" ] || break
        sleep 0.2
    done
    check_equals "$1" "$2" "$shown"
}

wizard_start() { wizard_launch "$wizard_medium/tavrik.exe" "$@"; }

# wizard_to_confirmation EXPECT: from the recommendations (page 7) through
# the language choice (page 4) to its confirmation (page 5) with the
# preselected language, by keys as a technician goes. `EXPECT N DESCRIPTION`
# waits for page N and is the caller's own: a scenario checks, a tour stops.
wizard_to_confirmation() {
    "$1" 7 "the wizard opens on the recommendations"
    probe key ENTER >/dev/null
    "$1" 4 "validate leads to the language choice"
    probe key ENTER >/dev/null
    "$1" 5 "Enter confirms the flag"
}

# Starts the wizard through a shell link (C:\Tavrik.lnk), as the log-on
# after a restart does.
wizard_start_link() { wizard_launch start /wait "$1"; }

# Runs the command in the medium's folder in the background, its exit code
# into the status file, and waits (bounded) for the wizard's window.
wizard_launch() {
    rm -f "$wizard_status_file"
    (
        status=0
        # A wrapper of Wine for the wizard alone (lib/power.sh), if any.
        TAVRIK_WINE=${wizard_wine:-$TAVRIK_WINE}
        cd "$wizard_medium" && tavrik_wine_run 300 "$@" || status=$?
        echo "$status" >"$wizard_status_file"
    ) &
    wizard_job=$!
    probe wait-window 30000 >/dev/null || tavrik_wine_fail "the wizard's window did not appear"
}

wizard_wait_end() {
    if wait_until "${1:-20}" test -f "$wizard_status_file"; then
        cat "$wizard_status_file"
    else
        echo "running"
    fi
}

wizard_screenshot() {
    import -display "$DISPLAY" -window root "$PWD/$1.png"
}

# The screen's pixels of a control, as ImageMagick's text listing (a line
# per pixel, "x,y: (r,g,b) ...", after a header line). A windowless control
# without text (an image) has no window to ask: its bounds come from the
# form description (pages fill the form's client area).
wizard_control_pixels() {
    local bounds origin x y w h shot
    bounds=$(probe state "$1" 2>/dev/null | sed -n 's/^bounds=//p')
    [ -n "$bounds" ] || bounds=$(wizard_described_bounds "$1")
    origin=$(probe window | sed -n 's/^client_origin=//p')
    [ -n "$bounds" ] && [ -n "$origin" ] || return 1
    IFS=, read -r x y w h <<<"$bounds"
    x=$((x + ${origin%,*}))
    y=$((y + ${origin#*,}))
    shot=$(mktemp --suffix=.png)
    import -display "$DISPLAY" -window root "$shot"
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 txt:-
    rm -f "$shot"
}

# left,top,width,height of a control in the form description.
wizard_described_bounds() {
    awk -v name="$1" '
        $1 == "object" && $2 == name ":" { inside = 1; next }
        inside && $1 == "object" { exit }
        inside && $2 == "=" && $1 ~ /^(Left|Top|Width|Height)$/ { v[$1] = $3 }
        END { if (length(v) == 4) print v["Left"] "," v["Top"] "," v["Width"] "," v["Height"] }' \
        "$wizard_source/app/Unit1.dfm"
}

# How many pixels of pure-ish red the control shows on screen: a red notice.
wizard_red_pixels() {
    wizard_control_pixels "$1" |
        awk -F '[(),]' 'NR > 1 && $3 + 0 > 180 && $4 + 0 < 80 && $5 + 0 < 80 { n++ } END { print n + 0 }'
}

# Whether the control shows a picture: most of its pixels are darker than
# the page's light background (a few lines of text darken far fewer).
wizard_shows_picture() {
    local share
    share=$(wizard_control_pixels "$1" |
        awk -F '[(),]' 'NR > 1 { n++; if (765 - $3 - $4 - $5 > 60) d++ } END { print n ? int(100 * d / n) : 0 }')
    [ "${share:-0}" -gt 30 ]
}

# wizard_check_red DESCRIPTION CONTROL: the control shows a red text.
wizard_check_red() {
    local red
    red=$(wizard_red_pixels "$2")
    check_equals "$1" yes "$([ "$red" -gt 50 ] && echo yes || echo "no ($red red pixels)")"
}

wizard_trace() {
    tr -d '\r' <"$WINEPREFIX/drive_c/TraceTavrik.log" 2>/dev/null
}

# Ends a wizard still running: F1 first, as a person would; then the
# time-out wrapper that runs it (by PID: it ends its Wine child), so no old
# window is left for the next scenario's probe.
wizard_end() {
    [ -n "${wizard_job:-}" ] && [ ! -f "$wizard_status_file" ] || return 0
    probe key F1 >/dev/null 2>&1
    [ "$(wizard_wait_end 3)" = running ] || return 0
    local child
    for child in $(pgrep -P "$wizard_job" 2>/dev/null); do
        tavrik_wine_pid_is "$child" timeout && kill -TERM "$child" 2>/dev/null
    done
    wizard_wait_end 20 >/dev/null
}

wizard_cleanup() {
    wizard_end
    [ -n "${wizard_medium:-}" ] && rm -rf "$wizard_medium"
    return 0
}
