#!/bin/sh
# Renders the hicolor PNG sizes of the two icons from their SVG sources into
# data/icons/<size>/. The PNGs are committed, so the build needs no renderer;
# run this after changing an SVG (it needs rsvg-convert from librsvg2-bin).
set -e
cd "$(dirname "$0")/../data/icons"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$size"
  for icon in zek text-x-zek; do
    rsvg-convert --width "$size" --height "$size" "$icon.svg" --output "$size/$icon.png"
  done
done
