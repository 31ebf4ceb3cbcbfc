#!/usr/bin/env bash
# Renders one SVG picture for the game: render_picture.sh SVG OUT [MASK]
#   OUT ending in .jpg: drawn on white, JPEG quality 90 (JPEG has no transparency)
#   OUT ending in .gif or .png: kept as drawn (GIF on white, at most 256 colours)
#   MASK (optional, .gif): the silhouette of the picture's coverage: white inside,
#   black outside, grey at anti-aliased edges.
set -euo pipefail
svg=$1 out=$2 mask=${3:-}
tmp=$(mktemp --suffix=.png)
trap 'rm -f "$tmp"' EXIT
mkdir -p "$(dirname "$out")"
rsvg-convert "$svg" -o "$tmp"
case "$out" in
  *.jpg) convert "$tmp" -background white -alpha remove -alpha off -quality 90 "$out" ;;
  *.gif) convert "$tmp" -background white -alpha remove -alpha off -colors 256 "$out" ;;
  *.png) convert "$tmp" "$out" ;;
  *) echo "render_picture.sh: unknown output type: $out" >&2; exit 2 ;;
esac
if [ -n "$mask" ]; then
  mkdir -p "$(dirname "$mask")"
  convert "$tmp" -alpha extract -colorspace Gray -type Grayscale "$mask"
fi
