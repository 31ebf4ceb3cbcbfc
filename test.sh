#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the CTest suites
# (core, story, window, audio, assets, formatting, a scratch install), the core once more
# under AddressSanitizer and UndefinedBehaviorSanitizer, bounded fuzz runs of the file and
# command readers, a minute of random play in the sanitized window (HAZAMA_SOAK_SECONDS),
# the Debian package: built, checked by lintian, unpacked and its game started; and the web
# edition, built with Emscripten and played in headless Chromium and Firefox.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install_deps.sh
hazama_install_deps "${hazama_web_packages[@]}"

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== core under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHAZAMA_CORE_ONLY=ON \
  -DHAZAMA_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

suites=$(( $(ctest --test-dir build -N | sed -n 's/^Total Tests: //p') +
            $(ctest --test-dir build-asan -N | sed -n 's/^Total Tests: //p') ))

if [ -x tools/fuzz.sh ]; then
  echo "== fuzzing the file readers (saves, slots, the read record, the catalogue, the settings, the staff file), the media command parser and a slot's replay"
  tools/fuzz.sh
  suites=$((suites + 1))
fi

echo "== random play in the window under AddressSanitizer and UndefinedBehaviorSanitizer"
tools/soak.sh "${HAZAMA_SOAK_SECONDS:-60}"
suites=$((suites + 1))

echo "== the Debian package"
started=$SECONDS
tools/package.sh
echo "package built and checked in $((SECONDS - started)) s"
suites=$((suites + 1))

echo "== the web edition in Chromium and Firefox"
started=$SECONDS
tools/web/build.sh -j "$jobs"
ctest --test-dir build-web --output-on-failure -j "$jobs"
suites=$((suites + $(ctest --test-dir build-web -N | sed -n 's/^Total Tests: //p')))
echo "web edition built and tested in $((SECONDS - started)) s"

# Every step above stops the script on failure, so reaching here means all passed.
echo "suites: $suites passed, 0 failed"
