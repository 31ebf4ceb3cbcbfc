#!/usr/bin/env bash
# Builds the fuzz targets into build-fuzz/ and runs each for about 20 seconds
# (HAZAMA_FUZZ_SECONDS): the save-file loader from a few valid saves, the staff file reader
# from the game's own staff file, the media command parser from the commands the game
# sends, the read record's loader from a few valid records. A crash leaves its input in build-fuzz/ as NAME-crash-*; turn it into a test case
# beside the module's other tests.
set -euo pipefail
cd "$(dirname "$0")/.."

out=build-fuzz
flags=(-std=c++20 -g -O1 -Isrc -Wall -Wextra)
mkdir -p "$out"

# fuzz NAME MAX_LEN SOURCES...: builds fuzz/NAME.cpp with SOURCES and runs it on
# build-fuzz/NAME-corpus.
fuzz() {
  local name=$1 max_len=$2
  shift 2
  clang++ "${flags[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    "$@" "fuzz/$name.cpp" -o "$out/$name"
  echo "-- $name"
  # -timeout: an input that keeps a reader busy for seconds is a hang, and fails the run.
  if "$out/$name" -max_total_time="${HAZAMA_FUZZ_SECONDS:-20}" -timeout=10 -max_len="$max_len" \
    -print_final_stats=1 -artifact_prefix="$out/$name-" "$out/$name-corpus" \
    >"$out/$name.log" 2>&1; then
    grep -E '^(Done|stat::(number_of_executed_units|new_units_added))' "$out/$name.log"
  else
    cat "$out/$name.log"
    exit 1
  fi
}

save=(src/save/save_file.cpp src/save/save_name.cpp src/platform/player_file.cpp)
mkdir -p "$out/load_fuzzer-corpus"
clang++ "${flags[@]}" "${save[@]}" fuzz/make_seeds.cpp -o "$out/make_seeds"
"$out/make_seeds" "$out/load_fuzzer-corpus"
fuzz load_fuzzer 400 "${save[@]}"

mkdir -p "$out/staff_fuzzer-corpus"
cp assets/staff.txt "$out/staff_fuzzer-corpus/staff.txt"
printf '"a, b" , c\r\nrole\n\xe3\x80\x80name,\n\n' >"$out/staff_fuzzer-corpus/quoted.txt"
fuzz staff_fuzzer 4096 src/sequences/staff_file.cpp

mkdir -p "$out/media_command_fuzzer-corpus"
i=0
for command in 'open "/usr/share/hazama/music/mind.mid" alias x1 notify' 'play x1' \
  'status x1 mode' 'seek x1 to start' 'close x1' 'open "a b" alias x1'; do
  printf '%s' "$command" >"$out/media_command_fuzzer-corpus/seed$i"
  i=$((i + 1))
done
fuzz media_command_fuzzer 256 src/audio/media_command.cpp

record=(src/reading/read_record.cpp src/platform/player_file.cpp)
mkdir -p "$out/read_record_fuzzer-corpus"
clang++ "${flags[@]}" "${record[@]}" fuzz/make_read_seeds.cpp -o "$out/make_read_seeds"
"$out/make_read_seeds" "$out/read_record_fuzzer-corpus"
fuzz read_record_fuzzer 1024 "${record[@]}"
