#!/usr/bin/env bash
# Writes the English version of a command button's SVG: the same drawing, its Japanese
# word replaced by the English one and set in the Latin face.
# Usage: tools/assets/english_button.sh SOURCE.svg OUTPUT.svg
set -euo pipefail
sed -e 's|>移動</text>|>Move</text>|' -e 's|>話す</text>|>Talk</text>|' -e 's|>見る</text>|>Look</text>|' \
    -e 's|font-family="IPAMincho, IPA明朝, serif"|font-family="Carlito, sans-serif"|' \
    -e 's|letter-spacing="2"|letter-spacing="0.5"|' -e 's|font-size="19"|font-size="17"|' \
    -e 's|<text x="63"|<text x="66"|' -e 's|<text x="64"|<text x="67"|' "$1" > "$2"
grep -q -e '>Move<' -e '>Talk<' -e '>Look<' "$2" || { echo "no command word in $1" >&2; exit 1; }
