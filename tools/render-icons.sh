#!/usr/bin/env bash
# Renders the hicolor PNGs under packaging/icons from the program's own icon
# (res/icon128_16.xpm, res/icon128_32.xpm). The PNGs are committed; run this
# again whenever the XPMs change. Needs ImageMagick.
#
# 64x64 is the 32-pixel drawing doubled pixel for pixel: smooth scaling blurs
# pixel art, and an exact doubling keeps every edge sharp.
set -euo pipefail
cd "$(dirname "$0")/.."

out=packaging/icons
mkdir -p "$out"
# No time chunks or comments, so a re-render of the same XPM gives the same bytes.
png_options=(-strip -define png:exclude-chunks=date,time)

convert res/icon128_16.xpm "${png_options[@]}" "$out/16x16.png"
convert res/icon128_32.xpm "${png_options[@]}" "$out/32x32.png"
convert res/icon128_32.xpm -filter point -resize 200% "${png_options[@]}" "$out/64x64.png"
identify "$out"/*.png
