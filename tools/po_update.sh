#!/usr/bin/env bash
# Brings every catalogue po/LANG.po up to date with the template: new texts are added
# untranslated, changed ones kept as fuzzy, gone ones commented out at the end.
# Usage: tools/po_update.sh   (run tools/po_extract.sh first)
set -euo pipefail
cd "$(dirname "$0")/.."
for po in po/*.po; do
  msgmerge --quiet --update --backup=none --no-wrap --sort-by-file "$po" po/hazama.pot \
    2> >(grep -vF "should not contain the '\\r' escape" >&2)
  echo "$po: $(msgfmt --statistics -o /dev/null "$po" 2>&1)"
done
