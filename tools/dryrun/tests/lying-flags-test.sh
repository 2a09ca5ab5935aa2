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
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))\\x$(printf %02x $(($1 >> 16 & 255)))\\x$(printf %02x $(($1 >> 24 & 255)))"; }
for number in $(seq 30); do
    {
        printf 'BM'; le32 60; le32 0; le32 58                 # file header, pixels at 58
        le32 40; le32 4096; le32 4096; printf '\x01\x00\x08\x00' # 8 bits a pixel
        le32 1; le32 2; le32 0; le32 0; le32 1; le32 0           # RLE8, one colour
        printf "\\x$(printf %02x "$number")\\x00\\x00\\x00"     # its own palette
        printf '\x00\x01'                                        # end of the picture
    } >"$work/medium/BRENDOL/DICO/THESA$(printf %03d "$number").bmp"
done
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
