#!/usr/bin/env bash
# Builds the fuzz targets into build-fuzz/ (clang's libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer, fuzz/CMakeLists.txt) and runs each for HAZAMA_FUZZ_SECONDS
# (12 by default): the save-file loader, the staff file reader, the media command parser,
# the read record, the slot reader, the translation catalogue, the settings file and a
# slot's replay in the virtual platform. Each starts from its seeds: those checked in under
# fuzz/seeds/NAME/, and for the first four those written by the game's own writers. Each
# run is bounded in time, in the time one input may take (-timeout) and in memory
# (-rss_limit_mb, -malloc_limit_mb). A crash leaves its input in build-fuzz/ as
# NAME-crash-*; turn it into a test case beside the module's other tests.
set -euo pipefail
cd "$(dirname "$0")/.."

out=build-fuzz
seconds=${HAZAMA_FUZZ_SECONDS:-12}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S fuzz -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= \
  "${launcher[@]}" >/dev/null
cmake --build "$out" -j "$(nproc)" >/dev/null

# fuzz NAME MAX_LEN: runs build-fuzz/NAME on build-fuzz/NAME-corpus, seeded from
# fuzz/seeds/NAME when there is such a folder.
fuzz() {
  local name=$1 max_len=$2 corpus="$out/$1-corpus"
  mkdir -p "$corpus"
  if [ -d "fuzz/seeds/$name" ]; then cp -f fuzz/seeds/"$name"/* "$corpus/"; fi
  echo "-- $name"
  # -timeout: an input that keeps a reader busy for seconds is a hang, and fails the run.
  if "$out/$name" -max_total_time="$seconds" -timeout=10 -max_len="$max_len" \
    -rss_limit_mb=2048 -malloc_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="$out/$name-" "$corpus" >"$out/$name.log" 2>&1; then
    grep -E '^(Done|stat::(number_of_executed_units|new_units_added))' "$out/$name.log"
  else
    cat "$out/$name.log"
    exit 1
  fi
}

mkdir -p "$out/load_fuzzer-corpus" "$out/read_record_fuzzer-corpus"
"$out/make_seeds" "$out/load_fuzzer-corpus"
"$out/make_read_seeds" "$out/read_record_fuzzer-corpus"
fuzz load_fuzzer 400

mkdir -p "$out/staff_fuzzer-corpus"
cp assets/staff.txt "$out/staff_fuzzer-corpus/staff.txt"
fuzz staff_fuzzer 4096

fuzz media_command_fuzzer 256
fuzz read_record_fuzzer 1024
fuzz slot_fuzzer 8192
fuzz catalogue_fuzzer 4096
fuzz settings_fuzzer 2048
# A replay plays the story: its inputs are short command logs.
fuzz replay_fuzzer 2048
