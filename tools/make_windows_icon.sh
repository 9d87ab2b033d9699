#!/bin/sh
# Makes packaging/windows/ancient-evil.ico, the Windows game's icon, from the
# game's artwork packaging/ancient-evil.svg: 16, 32 and 48-pixel bitmaps,
# which every Windows shows, and a 256-pixel PNG for Explorer's large views.
# The .ico is kept in the repository so that building the game needs neither
# tool: run this again after changing the artwork, and look at the result.
# Needs rsvg-convert (package librsvg2-bin), icotool (icoutils) and the
# artwork's font, DejaVu Sans Mono (fonts-dejavu-core).
set -eu
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for size in 16 32 48 256; do
  rsvg-convert --width="$size" --height="$size" --output="$scratch/$size.png" \
    packaging/ancient-evil.svg
done
icotool --create --output=packaging/windows/ancient-evil.ico \
  "$scratch/16.png" "$scratch/32.png" "$scratch/48.png" --raw="$scratch/256.png"
