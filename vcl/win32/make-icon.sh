#!/bin/sh
# Regenerates FormIcon.ico (the form's icon: a white "T" on a blue tile) with
# ImageMagick: 32x32 and 16x16, 16 colours with a mask, as Windows 2000
# shows them.
set -e
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
convert -size 32x32 xc:none -fill '#21408a' -draw 'roundrectangle 1,1 30,30 6,6' \
    -fill white -draw 'rectangle 8,7 23,11' -draw 'rectangle 13,7 18,25' "$tmp/32.png"
convert "$tmp/32.png" -resize 16x16 "$tmp/16.png"
convert "$tmp/32.png" "$tmp/16.png" -colors 16 -type Palette FormIcon.ico
