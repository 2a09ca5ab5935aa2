# Sourced by the self-tests of the repository's checks: each plants a fault
# and expects the check to fail and name it.

failures=0

# expect_pass NAME COMMAND...: COMMAND must succeed.
expect_pass() {
    local name=$1 out
    shift
    if out=$("$@" 2>&1); then
        echo "ok   $name"
    else
        echo "FAIL $name: refused:"
        sed 's/^/    /' <<<"$out"
        failures=$((failures + 1))
    fi
}

# expect_fault NAME EXPECTED-TEXT COMMAND...: COMMAND must fail and say EXPECTED-TEXT.
expect_fault() {
    local name=$1 expected=$2 out
    shift 2
    if out=$("$@" 2>&1); then
        echo "FAIL $name: the check passed"
        failures=$((failures + 1))
    elif ! grep -qF -- "$expected" <<<"$out"; then
        echo "FAIL $name: expected \"$expected\", got:"
        sed 's/^/    /' <<<"$out"
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

# report_cases: ends the self-test with the count of failed cases.
report_cases() {
    [ "$failures" -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
    echo "all cases passed"
}
