#!/usr/bin/env bash
# The web edition's figures beside the desktop's, from the same run: the desktop's start-up,
# waiting, dissolve, memory and continuing from a slot (measure.py, on a private X server), then the web edition's in
# headless Chromium over localhost (web.mjs). Needs build/ and build-web/site/ built, and the
# tests' node_modules (npm ci in tests/web).
#   tools/measure/web.sh [--runs N]
set -euo pipefail
cd "$(dirname "$0")/../.."
echo "== the desktop"
python3 tools/measure/measure.py "$@" startup idle dissolve memory restore || true
echo "== the web edition"
exec node --no-experimental-fetch tools/measure/web.mjs build-web/site
