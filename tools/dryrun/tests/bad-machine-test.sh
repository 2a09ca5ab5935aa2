#!/usr/bin/env bash
# A PC.reg the dry run cannot read: exit code 2, the file and line with what
# is wrong on standard error, and no road at all.
#
# usage: bad-machine-test.sh DRYRUN MEDIUM PC.reg "EXPECTED ERROR"
set -uo pipefail
[ $# -eq 4 ] || { echo "usage: bad-machine-test.sh DRYRUN MEDIUM PC.reg EXPECTED_ERROR" >&2; exit 2; }
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
road=$("$1" "$2" --machine "$3" 2>"$errors")
code=$?
failures=0
[ "$code" -eq 2 ] || { echo "FAIL: exit code $code, not 2"; failures=1; }
[ "$(cat "$errors")" = "$4" ] || { printf 'FAIL: error\n  expected: %s\n  actual:   %s\n' "$4" "$(cat "$errors")"; failures=1; }
[ -z "$road" ] || { printf 'FAIL: a road was printed:\n%s\n' "$road"; failures=1; }
[ "$failures" -eq 0 ] && echo "ok: $(cat "$errors")"
