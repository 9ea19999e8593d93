#!/usr/bin/env bash
# Rebuilds the picture-decoder fixtures: one 37 x 23 drawing (odd width, so
# every line needs padding) in each file variant, and NAME.peer.png beside
# each, ImageMagick's own decoding of that file, turned the way the file
# says its rows lie. Variants ImageMagick cannot
# write (1- and 4-bit PCX, 15/16-bit and right-to-left TGA, 4-bit RLE BMP,
# an icon with an AND mask) are written by make-variants.py from pixels
# ImageMagick reduced; their peers are still ImageMagick's reading.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"
rm -f ./*.pcx ./*.tga ./*.bmp ./*.gif ./*.jpg ./*.ico ./*.peer.png
im=/usr/bin/convert
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
$im -size 37x23 gradient:red-blue \( -size 37x23 gradient:yellow-green \) -compose blend \
  -define compose:args=50 -composite -fill white -draw "rectangle 3,3 10,8" \
  -fill black -draw "line 0,22 36,0" "$tmp/src.png"
alpha() { $im "$tmp/src.png" -alpha set -channel A -fx "i/w" +channel "$@"; }
$im "$tmp/src.png" pcx-24.pcx
$im "$tmp/src.png" -colors 200 -type palette pcx-8.pcx
$im "$tmp/src.png" -compress none tga-24.tga
$im "$tmp/src.png" -compress RLE tga-24-rle.tga
$im "$tmp/src.png" -orient TopLeft tga-24-top.tga
alpha tga-32.tga
alpha -compress RLE tga-32-rle.tga
$im "$tmp/src.png" -colors 50 -type palette tga-map.tga
$im "$tmp/src.png" -colors 50 -type palette -compress RLE tga-map-rle.tga
$im "$tmp/src.png" -type grayscale tga-grey.tga
$im "$tmp/src.png" -type grayscale -compress RLE tga-grey-rle.tga
$im "$tmp/src.png" -colors 200 -type palette -compress RLE BMP3:bmp-rle8.bmp
$im "$tmp/src.png" -colors 16 BMP3:bmp-4.bmp
$im "$tmp/src.png" -define bmp:subtype=RGB565 BMP:bmp-565.bmp
alpha BMP:bmp-32-alpha.bmp
$im "$tmp/src.png" gif.gif
$im "$tmp/src.png" -quality 92 jpg.jpg
$im "$tmp/src.png" -define icon:auto-resize=32,16 ico-png-sizes.ico
$im "$tmp/src.png" -depth 8 rgb:"$tmp/src.rgb"
$im "$tmp/src.png" -colors 16 +dither -depth 8 rgb:"$tmp/q16.rgb"
$im "$tmp/src.png" -threshold 50% -depth 8 rgb:"$tmp/q2.rgb"
python3 "$here/make-variants.py" "$tmp" "$here"
for f in *.pcx *.tga *.bmp *.gif *.jpg *.ico; do
  case $f in
    ico-mask.ico) $im "$f[1]" "${f%.*}.peer.png" ;; # its larger image is the second
    *.ico) $im "$f[0]" "${f%.*}.peer.png" ;;
    *) $im "$f" -auto-orient "${f%.*}.peer.png" ;;
  esac
done
ls -l "$here" | awk '{s+=$5} END {print s " bytes"}'
