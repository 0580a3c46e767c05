#!/usr/bin/env bash
# Regenerates the pictures in img/ from these sources (needs librsvg2-bin and imagemagick).
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
for s in 16 32 48; do rsvg-convert -w $s -h $s lapmark.svg -o "$tmp/icon-$s.png"; done
/usr/bin/convert "$tmp/icon-48.png" "$tmp/icon-32.png" "$tmp/icon-16.png" ../Lapmrak_01.ico
rsvg-convert quillora_logo.svg -o "$tmp/logo.png"
/usr/bin/convert "$tmp/logo.png" -background white -flatten -type TrueColor BMP3:../quillora_logo.bmp
rsvg-convert quillora_stat_01.svg -o "$tmp/stat.png"
/usr/bin/convert "$tmp/stat.png" -background white -flatten -quality 92 ../quillora_stat_01.jpg
# Twice the size, for screens at 200 %; the icon's file also holds the larger window-icon sizes.
for s in 128 96 64 32; do rsvg-convert -w $s -h $s lapmark.svg -o "$tmp/icon2-$s.png"; done
/usr/bin/convert "$tmp/icon2-128.png" "$tmp/icon2-96.png" "$tmp/icon2-64.png" "$tmp/icon2-32.png" \
  -define icon:format=bmp ../Lapmrak_01_2x.ico
rsvg-convert -z 2 quillora_logo.svg -o "$tmp/logo2.png"
/usr/bin/convert "$tmp/logo2.png" -background white -flatten -type TrueColor BMP3:../quillora_logo_2x.bmp
rsvg-convert -z 2 quillora_stat_01.svg -o "$tmp/stat2.png"
/usr/bin/convert "$tmp/stat2.png" -background white -flatten -quality 92 ../quillora_stat_01_2x.jpg
rm -rf "$tmp"
# The desktop icons, in the sizes the hicolor theme wants.
for s in 16 32 48 64 128 256; do rsvg-convert -w $s -h $s lapmark.svg -o ../../data/icons/lapmark-$s.png; done
cp lapmark.svg ../../data/icons/lapmark.svg
