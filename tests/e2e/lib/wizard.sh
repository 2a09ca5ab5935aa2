# Running the real wizard from the demo medium in the Wine prefix, for the
# end-to-end scenarios. Source after tools/wine/wine-lib.sh and checks.sh:
#
#   wizard_setup                      # loads the prefix, points D: at the demo medium
#   wizard_start [ARGS...]            # starts tavrik.exe from D:\ in the background
#   probe page                        # the probe, its output without CRs
#   wizard_wait_state NAME LINE [S]   # waits until `probe state NAME` has LINE
#   wizard_screenshot NAME            # NAME.png in the working folder
#   wizard_wait_end [SECONDS]         # waits for the program to end; prints its status
#   wizard_trace                      # the trace log, CRs removed
#
# The environment gives TAVRIK_DEMO_MEDIUM (the assembled medium) and
# TAVRIK_WIN64_DIR (the probe).

wizard_setup() {
    [ -n "${TAVRIK_DEMO_MEDIUM:-}" ] || tavrik_wine_fail "TAVRIK_DEMO_MEDIUM is not set"
    [ -f "$TAVRIK_DEMO_MEDIUM/tavrik.exe" ] || tavrik_wine_fail "no tavrik.exe in $TAVRIK_DEMO_MEDIUM"
    wizard_probe_exe="$TAVRIK_WIN64_DIR/tests/e2e/probe/probe.exe"
    [ -f "$wizard_probe_exe" ] || tavrik_wine_fail "the win64 probe is missing: $wizard_probe_exe"
    tavrik_wine_load
    wizard_medium=$(mktemp -d "${TMPDIR:-/tmp}/tavrik-medium.XXXXXX")
    cp -r "$TAVRIK_DEMO_MEDIUM/." "$wizard_medium/"
    tavrik_wine_use_medium "$wizard_medium"
    wizard_status_file="$PWD/wizard.status"
    wizard_job=""
    trap wizard_cleanup EXIT
}

# A private copy of the medium: a scenario may change its files.
wizard_medium_file() { echo "$wizard_medium/$1"; }

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
# as visible=1; fails when it never does. The window does not answer while
# the wizard waits for a child process.
wizard_wait_state() {
    local seconds=${3:-90}
    for _ in $(seq $((seconds * 4))); do
        probe state "$1" 2>/dev/null | grep -qxF -- "$2" && return 0
        sleep 0.25
    done
    return 1
}

wizard_start() {
    rm -f "$wizard_status_file"
    (
        status=0
        cd "$wizard_medium" && tavrik_wine_run 300 "$wizard_medium/tavrik.exe" "$@" || status=$?
        echo "$status" >"$wizard_status_file"
    ) &
    wizard_job=$!
    probe wait-window 30000 >/dev/null || tavrik_wine_fail "the wizard's window did not appear"
}

wizard_wait_end() {
    local seconds=${1:-20}
    for _ in $(seq $((seconds * 10))); do
        [ -f "$wizard_status_file" ] && { cat "$wizard_status_file"; return 0; }
        sleep 0.1
    done
    echo "running"
}

wizard_screenshot() {
    import -display "$DISPLAY" -window root "$PWD/$1.png"
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
