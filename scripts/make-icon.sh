#!/usr/bin/env bash
# Draws the program's icon (a slim phone with a leaf) at 32 and 16 pixels.
set -euo pipefail
out="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/app/res/merrowin.ico"
tmp="$(mktemp -d)"
for s in 32 16; do
    convert -size 32x32 xc:none -fill '#2b6cb0' -draw 'roundrectangle 8,2 23,29 3,3' \
            -fill white -draw 'rectangle 10,5 21,24' -fill '#38a169' -draw 'ellipse 15.5,15 4,7 0,360' \
            -resize "${s}x${s}" "$tmp/icon$s.png"
done
convert "$tmp/icon32.png" "$tmp/icon16.png" "$out"
rm -rf "$tmp"
