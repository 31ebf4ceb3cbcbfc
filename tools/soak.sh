#!/usr/bin/env bash
# tools/soak.sh SECONDS [SEED]: builds the window with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-soak/, plays it at random for SECONDS under a
# private Xvfb (tools/soak/drive.py), and closes it through the window manager protocol.
# Fails on a sanitizer report, a crash, a window that stops repainting for 10 s, or a
# close slower than one second (to the end of main; the leak check after it is timed too). The seed is printed; give it again to replay a failure.
# Uses the pictures and music of build/ (built here when missing).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: tools/soak.sh SECONDS [SEED]}
seed=${2:-$(( (RANDOM << 15) | RANDOM ))}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target hazama_assets >/dev/null
cmake -S . -B build-soak -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHAZAMA_SANITIZE=ON \
  -DHAZAMA_BENCH=OFF >/dev/null
cmake --build build-soak --target hazama

# The program finds gra/ and music/ beside itself.
play=build-soak/play
mkdir -p "$play"
cp -f build-soak/hazama build-soak/hazama-fluid.so "$play/"
ln -sfn "$PWD/build/gra" "$play/gra"
ln -sfn "$PWD/build/music" "$play/music"

exec /usr/bin/python3 tools/soak/drive.py --program "$play/hazama" --seconds "$seconds" \
  --seed "$seed" --suppressions "$PWD/tools/soak/lsan.supp"
