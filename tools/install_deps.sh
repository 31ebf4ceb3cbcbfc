#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and be tested, when missing.
# Sourced by run.sh and test.sh; does nothing (and needs no network) when all are present.
hazama_packages=(
  cmake ninja-build g++ pkg-config git python3
  qt6-base-dev qt6-translations-l10n libgl-dev libxcb1-dev libfontconfig-dev
  libfluidsynth-dev timgm6mb-soundfont fluid-soundfont-gm
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core fonts-crosextra-carlito gettext
  librsvg2-bin imagemagick abcmidi
  libgtest-dev libgmock-dev libbenchmark-dev
  clang clang-format libclang-rt-14-dev
  xvfb xauth xdotool python3-xlib
  xclip at-spi2-core python3-pyatspi dbus-daemon dbus-bin
  desktop-file-utils appstream man-db
)
# The web edition (./run.sh --web, tools/web/build.sh) and its tests in real browsers: Debian's
# Emscripten, esbuild to join the page's scripts into one, fontTools with brotli for the fonts'
# woff2, Chromium and Firefox ESR, and PulseAudio, whose null sink is the sound output headless
# Firefox plays the music test into. Node.js and npm come from NodeSource on these machines;
# Emscripten's dependency on nodejs is met by it.
hazama_web_packages=(emscripten esbuild python3-fonttools python3-brotli chromium firefox-esr
  pulseaudio)
# Building the Debian package as well (tools/package.sh).
hazama_package_packages=(debhelper dpkg-dev fakeroot lintian)

# hazama_install_deps [MORE...]: the packages above and MORE.
hazama_install_deps() {
  local missing=()
  for p in "${hazama_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
