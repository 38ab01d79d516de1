#!/bin/sh
# Composes the menu bitmaps onto the light and the dark menu background,
# magenta made transparent, enlarged 6x with a 1x strip under each set, into
# one PNG to look at. Needs ImageMagick (convert, montage).
#   tools/artwork/preview_menu_bitmaps.sh [bitmap-folder] [out.png]
set -eu
dir="${1:-$(dirname "$0")/../../src/resources/bitmaps}"
out="${2:-/tmp/tarvelo-menu-bitmaps.png}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
for bg in F9F9F9 2B2B2B; do
  for f in "$dir"/menu_*.bmp; do
    n="$(basename "$f" .bmp)"
    convert "$f" -transparent '#FF00FF' -background "#$bg" -flatten "$tmp/$bg-$n.png"
  done
  montage "$tmp/$bg"-*.png -tile 10x -geometry 16x16+2+2 -background "#$bg" "$tmp/m-$bg.png"
  convert "$tmp/m-$bg.png" -filter point -resize 600% "$tmp/big-$bg.png"
  montage "$tmp/$bg"-*.png -tile 30x -geometry 16x16+4+4 -background "#$bg" "$tmp/small-$bg.png"
done
convert "$tmp/big-F9F9F9.png" "$tmp/small-F9F9F9.png" "$tmp/big-2B2B2B.png" "$tmp/small-2B2B2B.png" \
  -background '#808080' -gravity west -append "$out"
echo "$out"
