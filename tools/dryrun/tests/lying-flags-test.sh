#!/usr/bin/env bash
# A medium of thirty flags of 60 bytes each that declare compressed
# 4096 x 4096 pictures and end at once, each with its own palette (so that
# no two share a decoding): the dry run stays below LIMIT_MB of peak memory
# and reports the refused flag in an error box.
#
# usage: lying-flags-test.sh DRYRUN MEDIUM PC.reg LIMIT_MB
set -uo pipefail
[ $# -eq 4 ] || { echo "usage: lying-flags-test.sh DRYRUN MEDIUM PC.reg LIMIT_MB" >&2; exit 2; }
dryrun=$1 medium=$2 machine=$3 limit_mb=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp -r "$medium" "$work/medium"
rm -f "$work/medium/BRENDOL/DICO/"*.bmp "$work/medium/BRENDOL/DICO/"*.BMP
. "$(dirname "$0")/../../../tests/e2e/lib/lying_flags.sh"
write_lying_flags "$work/medium/BRENDOL/DICO"
size=$(stat -c %s "$work/medium/BRENDOL/DICO/THESA001.bmp")
[ "$size" -eq 60 ] || { echo "FAIL: a lying flag has $size bytes, not 60"; exit 1; }

road=$(/usr/bin/time -f '%M' -o "$work/peak" "$dryrun" "$work/medium" --machine "$machine" 2>/dev/null)
peak_kb=$(tail -n 1 "$work/peak")
failures=0
echo "peak memory: $((peak_kb / 1024)) MB (limit $limit_mb MB)"
[ "$peak_kb" -lt $((limit_mb * 1024)) ] || { echo "FAIL: peak memory above $limit_mb MB"; failures=1; }
if printf '%s\n' "$road" | grep -q 'error box .*picture larger than its place.*THESA0[0-9][0-9]\.bmp'; then
    echo "ok: the refused flag is reported"
else
    printf 'FAIL: no refused flag in the road:\n%s\n' "$road"
    failures=1
fi
exit "$failures"
