#!/usr/bin/env bash
# Draws the preview page's picture, arrow.gif: a blue arrow pointing right, at the page's
# scrollbar, on a transparent ground. Needs ImageMagick; run it again after changing the
# drawing and commit the picture with it.
set -euo pipefail
out="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/arrow.gif"

# Hard edges only: a GIF pixel is either transparent or fully coloured.
convert -size 150x50 xc:none +antialias \
    -fill '#1F5FD8' -stroke '#0E3686' -strokewidth 2 \
    -draw 'polygon 3,16 100,16 100,3 146,25 100,47 100,34 3,34' \
    -stroke none -fill '#6FA4F4' \
    -draw 'polygon 5,18 102,18 102,7 136,24 5,24' \
    -fill '#4A8CF0' \
    -draw 'polygon 5,21 102,21 102,14 122,24 5,24' \
    -strip -colors 8 "gif:$out"
