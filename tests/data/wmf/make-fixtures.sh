#!/usr/bin/env bash
# Rebuilds the metafile fixtures from the SVG drawings in this folder:
#   NAME.wmf       written by LibreOffice's WMF export
#   NAME.peer.png  NAME.wmf rendered by another player, 400 x 300:
#                  libwmf's wmf2gd for the drawings and the bitmap,
#                  LibreOffice's PNG export (trimmed, centred) for the text,
#                  since libwmf sizes text with fonts of its own.
# Needs soffice (libreoffice-draw-nogui), wmf2gd (libwmf-bin) and ImageMagick.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
profile=$(mktemp -d)
out=$(mktemp -d)
trap 'rm -rf "$profile" "$out"' EXIT
lo() { soffice --headless -env:UserInstallation=file://"$profile" "$@" >/dev/null 2>&1; }
for svg in "$here"/*.svg; do
  name=$(basename "$svg" .svg)
  lo --convert-to wmf --outdir "$out" "$svg"
  cp "$out/$name.wmf" "$here/$name.wmf"
  case $name in
    text)
      lo --convert-to 'png:draw_png_Export:{"PixelWidth":{"type":"long","value":"853"},"PixelHeight":{"type":"long","value":"1207"}}' \
        --outdir "$out" "$here/$name.wmf"
      /usr/bin/convert "$out/$name.png" -background white -flatten -trim +repage \
        -gravity center -extent 400x300 "$here/$name.peer.png" ;;
    *)
      wmf2gd --maxwidth=400 --maxheight=300 --maxsize -o "$here/$name.peer.png" "$here/$name.wmf" >/dev/null 2>&1 ;;
  esac
  echo "$name: $(stat -c %s "$here/$name.wmf") bytes"
done
