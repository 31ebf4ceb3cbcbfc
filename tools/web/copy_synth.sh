#!/usr/bin/env bash
# Puts the site's synthesizer into SITE/synth/: js-synthesizer and FluidSynth compiled to
# WebAssembly, as tools/web/site-deps/package-lock.json pins them (installed with npm ci
# when missing), and Debian's General MIDI SoundFont TimGM6mb, each with its licence.
#   tools/web/copy_synth.sh SITE
set -euo pipefail
site=${1:?usage: copy_synth.sh SITE}
deps="$(cd "$(dirname "$0")" && pwd)/site-deps"
font=/usr/share/sounds/sf2/TimGM6mb.sf2
font_licence=/usr/share/doc/timgm6mb-soundfont/copyright
if [ ! -f "$font" ]; then
  echo "$font is missing: install timgm6mb-soundfont (tools/install_deps.sh)" >&2
  exit 1
fi
if [ ! -f "$deps/node_modules/js-synthesizer/package.json" ]; then
  (cd "$deps" && npm ci --no-audit --no-fund --loglevel=error)
fi
lib="$deps/node_modules/js-synthesizer"
mkdir -p "$site/synth"
cp "$lib/dist/js-synthesizer.min.js" "$lib/dist/js-synthesizer.worklet.min.js" \
  "$lib/externals/libfluidsynth-2.3.0.js" "$site/synth/"
# The scripts name source maps the site does not carry; a browser's tools would ask for them.
sed -i '/^\/\/# sourceMappingURL=/d' "$site/synth/js-synthesizer.min.js" \
  "$site/synth/js-synthesizer.worklet.min.js"
cp "$lib/LICENSE" "$site/synth/LICENSE.js-synthesizer.txt"
cp "$lib/externals/LICENSE.fluidsynth.txt" "$site/synth/LICENSE.fluidsynth.txt"
cp "$font" "$site/synth/TimGM6mb.sf2"
cp "$font_licence" "$site/synth/TimGM6mb.copyright.txt"
cp /usr/share/common-licenses/GPL-2 "$site/synth/GPL-2.txt"
