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

# check_line_within SECONDS DESCRIPTION LINE COMMAND...: waits (bounded) until
# the command's output has the line; for a state that settles after an action.
check_line_within() {
    local seconds=$1 description=$2 line=$3 output=""
    shift 3
    for _ in $(seq $((seconds * 10))); do
        output=$("$@" 2>/dev/null)
        printf '%s\n' "$output" | grep -qxF -- "$line" && break
        sleep 0.1
    done
    check_line "$description" "$output" "$line"
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
