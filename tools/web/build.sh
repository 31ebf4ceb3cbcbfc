#!/usr/bin/env bash
# Builds the web edition into build-web/site/ with Debian's Emscripten, taking the pictures and
# music from the native build in build/ (which must have built hazama_assets). Arguments go to
# the build: tools/web/build.sh -j 2.
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ ! -d build/gra ]; then
  echo "build/gra is missing: build the pictures and music first (cmake --build build --target hazama_assets)" >&2
  exit 1
fi
emcmake cmake -S . -B build-web -G Ninja -DHAZAMA_WEB=ON -DCMAKE_BUILD_TYPE=Release \
  -DHAZAMA_NATIVE_BUILD="$PWD/build" >/dev/null
cmake --build build-web "$@"
