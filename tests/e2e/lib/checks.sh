# shellcheck shell=bash
# Assertions for the end-to-end scripts. Each check prints one line; the
# script ends with checks_done, which fails when any check failed.

checks_failed=0

check_pass() {
    echo "ok:   $1"
}

check_fail() {
    echo "FAIL: $1" >&2
    checks_failed=$((checks_failed + 1))
}

# check_equals DESCRIPTION EXPECTED ACTUAL
check_equals() {
    if [ "$2" = "$3" ]; then
        check_pass "$1"
    else
        check_fail "$1: expected [$2], got [$3]"
    fi
}

# check_contains DESCRIPTION TEXT NEEDLE (a whole line of TEXT)
check_line() {
    if printf '%s\n' "$2" | grep -qxF -- "$3"; then
        check_pass "$1"
    else
        check_fail "$1: no line [$3] in:"$'\n'"$2"
    fi
}

# wait_until SECONDS COMMAND...: polls the command (bounded) until it
# succeeds; false when the bound passes first. For a state that settles
# after an action: a fixed sleep passes or fails by the machine's load.
wait_until() {
    local end=$(($(checks_now_us) + $1 * 1000000))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$(checks_now_us)" -lt "$end" ] || return 1
        sleep 0.1
    done
}

checks_now_us() { echo "${EPOCHREALTIME//[.,]/}"; }

# poll_output SECONDS TEST EXPECTED COMMAND...: polls the command's output
# (bounded) until `TEST OUTPUT EXPECTED` holds; the last output stays in
# $polled for the check's message.
polled=""
poll_output() {
    local end=$(($(checks_now_us) + $1 * 1000000)) test=$2 expected=$3
    shift 3
    while :; do
        polled=$("$@" 2>/dev/null)
        "$test" "$polled" "$expected" && return 0
        [ "$(checks_now_us)" -lt "$end" ] || return 1
        sleep 0.1
    done
}
has_line() { printf '%s\n' "$1" | grep -qxF -- "$2"; }
lacks_line() { ! has_line "$@"; }
is_equal() { [ "$1" = "$2" ]; }
differs() { [ "$1" != "$2" ]; }

# checks_polled SECONDS TEST CHECK DESCRIPTION EXPECTED COMMAND...: polls the
# command (bounded) until TEST holds, then checks its last output with
# `CHECK DESCRIPTION EXPECTED OUTPUT`.
checks_polled() {
    local seconds=$1 test=$2 check=$3 description=$4 expected=$5
    shift 5
    poll_output "$seconds" "$test" "$expected" "$@"
    "$check" "$description" "$expected" "$polled"
}
check_has_line() { check_line "$1" "$3" "$2"; }

# check_line_within SECONDS DESCRIPTION LINE COMMAND...: the command's output
# has the line within the bound.
check_line_within() { checks_polled "$1" has_line check_has_line "${@:2}"; }

# check_line_stays SECONDS DESCRIPTION LINE COMMAND...: the command's output
# keeps the line for the whole bound, after an input that must change
# nothing; a change fails as soon as it shows.
check_line_stays() { checks_polled "$1" lacks_line check_has_line "${@:2}"; }

# check_equals_within SECONDS DESCRIPTION EXPECTED COMMAND...: the command
# prints EXPECTED within the bound.
check_equals_within() { checks_polled "$1" is_equal check_equals "${@:2}"; }

# check_changes_within SECONDS DESCRIPTION BEFORE COMMAND...: the command
# prints something else than BEFORE within the bound.
check_changes_within() {
    local seconds=$1 description=$2 before=$3
    shift 3
    if poll_output "$seconds" differs "$before" "$@"; then
        check_pass "$description"
    else
        check_fail "$description: still [$before] after $seconds s"
    fi
}

# check_within SECONDS DESCRIPTION COMMAND...: the command succeeds within
# the bound.
check_within() {
    local seconds=$1 description=$2
    shift 2
    if wait_until "$seconds" "$@"; then
        check_pass "$description"
    else
        check_fail "$description: not within $seconds s ($*)"
    fi
}

# check_status DESCRIPTION EXPECTED_STATUS COMMAND...
check_status() {
    local description=$1 expected=$2 status=0
    shift 2
    "$@" >/dev/null 2>&1 || status=$?
    check_equals "$description" "$expected" "$status"
}

# check_bytes DESCRIPTION FILE EXPECTED_BYTES (printf format)
check_bytes() {
    local expected
    expected=$(mktemp)
    # shellcheck disable=SC2059
    printf "$3" >"$expected"
    if [ ! -f "$2" ]; then
        check_fail "$1: $2 does not exist"
    elif cmp -s "$expected" "$2"; then
        check_pass "$1"
    else
        check_fail "$1: bytes differ"$'\n'"expected: $(od -An -c "$expected")"$'\n'"actual:   $(od -An -c "$2")"
    fi
    rm -f "$expected"
}

checks_done() {
    if [ "$checks_failed" -ne 0 ]; then
        echo "$checks_failed check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}
