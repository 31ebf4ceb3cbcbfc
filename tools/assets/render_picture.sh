#!/usr/bin/env bash
# Renders one SVG picture for the game: render_picture.sh [-z ZOOM] SVG OUT [MASK]
#   -z ZOOM: drawn ZOOM times larger than the SVG's own size (the window's large art)
#   OUT ending in .jpg: drawn on white, JPEG quality 90 (JPEG has no transparency)
#   OUT ending in .gif or .png: kept as drawn (GIF on white, at most 256 colours)
#   MASK (optional, .gif): the silhouette of the picture's coverage, exactly white
#   (255,255,255) inside and exactly black outside: the edge is cut at half coverage, so
#   no grey lets the stage's low bits show through a composed figure.
set -euo pipefail
zoom=1
if [ "${1:-}" = "-z" ]; then
  zoom=$2
  shift 2
fi
svg=$1 out=$2 mask=${3:-}
tmp=$(mktemp --suffix=.png)
trap 'rm -f "$tmp"' EXIT
mkdir -p "$(dirname "$out")"
rsvg-convert --zoom "$zoom" "$svg" -o "$tmp"
case "$out" in
  *.jpg) convert "$tmp" -background white -alpha remove -alpha off -quality 90 "$out" ;;
  *.gif) convert "$tmp" -background white -alpha remove -alpha off -colors 256 "$out" ;;
  *.png) convert "$tmp" "$out" ;;
  *) echo "render_picture.sh: unknown output type: $out" >&2; exit 2 ;;
esac
if [ -n "$mask" ]; then
  mkdir -p "$(dirname "$mask")"
  convert "$tmp" -alpha extract -threshold 50% -type Bilevel "$mask"
fi
