#!/usr/bin/env bash
# Installs what is missing, builds the game and its pictures and music, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install_deps.sh
hazama_install_deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target hazama hazama_assets
exec ./build/hazama "$@"
