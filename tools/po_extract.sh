#!/usr/bin/env bash
# Extracts every Japanese text of the game into the translation template (default
# po/hazama.pot). The Japanese text is the key. Two passes, joined:
#  - the story's messages: message("…") in the scenario, the form and the sequences;
#  - every other text: translated("…") and to_translate("…") in the core, ui("…") in the
#    window.
# Usage: tools/po_extract.sh [OUTPUT]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-po/hazama.pot}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

common=(--from-code=UTF-8 --add-comments=TRANSLATORS: --sort-by-file
        --package-name=hazama --msgid-bugs-address=hazama --no-wrap)
# The tools warn about every CR LF inside a message: the game's Japanese line breaks are its
# own (the English has none). Other complaints are shown.
quiet() { "$@" 2> >(grep -vF "should not contain the '\\r' escape" >&2); }
quiet xgettext --language=C++ --keyword=message "${common[@]}" -o "$work/story.pot" \
  src/scenario/*.cpp src/form/*.cpp src/sequences/*.cpp
mapfile -t others < <(find src \( -name '*.cpp' -o -name '*.h' \) | sort)
quiet xgettext --language=C++ -k --keyword=translated --keyword=to_translate --keyword=ui \
  "${common[@]}" -o "$work/window.pot" "${others[@]}"
quiet msgcat --use-first --no-wrap --sort-by-file -o "$work/hazama.pot" "$work/story.pot" \
  "$work/window.pot"
# The creation date changes with every run; keep the template's bytes stable.
sed -i '/^"POT-Creation-Date:/d' "$work/hazama.pot"
mkdir -p "$(dirname "$out")"
cp "$work/hazama.pot" "$out"
