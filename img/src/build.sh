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
rm -rf "$tmp"
# The desktop icons, in the sizes the hicolor theme wants.
for s in 16 32 48 64 128 256; do rsvg-convert -w $s -h $s lapmark.svg -o ../../data/icons/lapmark-$s.png; done
cp lapmark.svg ../../data/icons/lapmark.svg
