#!/usr/bin/env bash
# Writes one PNG showing every built picture with its name: contact_sheet.sh BUILD OUT.png
set -euo pipefail
build=$1 out=$2
mapfile -t pictures < <(ls "$build"/gra/*.jpg "$build"/gra/window/* 2>/dev/null | sort)
[ "${#pictures[@]}" -gt 0 ] || { echo "no pictures under $build/gra" >&2; exit 1; }
montage -font IPAGothic -pointsize 11 -label '%f' "${pictures[@]}" \
  -tile 8x -geometry '192x144>+4+4' -background '#ddd' "$out"
echo "$out: ${#pictures[@]} pictures"
