#!/usr/bin/env bash
# Installs what is missing, builds the game and its pictures and music, and starts it.
# ./run.sh --web builds the web edition instead and serves it on http://localhost:8080/.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install_deps.sh
if [ "${1:-}" = "--web" ]; then
  hazama_install_deps "${hazama_web_packages[@]}"
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build --target hazama_assets
  tools/web/build.sh
  url=http://localhost:8080/
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && command -v xdg-open >/dev/null; then
    (sleep 1 && xdg-open "$url" >/dev/null 2>&1) &
  fi
  exec node tools/web/serve.mjs build-web/site 8080
fi
hazama_install_deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target hazama hazama_assets
exec ./build/hazama "$@"
