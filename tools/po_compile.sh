#!/usr/bin/env bash
# Compiles po/LANG.po into the catalogue the game reads, DATA/locale/LANG/LC_MESSAGES/hazama.mo.
# Untranslated and fuzzy entries are left out: the game shows those texts in Japanese.
# Usage: tools/po_compile.sh PO_FILE DATA_FOLDER
set -euo pipefail
po=$1
data=$2
lang=$(basename "$po" .po)
mkdir -p "$data/locale/$lang/LC_MESSAGES"
msgfmt --check-format --output-file="$data/locale/$lang/LC_MESSAGES/hazama.mo" "$po"
