#!/usr/bin/env bash
# Builds the save-file loader's fuzz target into build-fuzz/ and runs it for about 30
# seconds (HAZAMA_FUZZ_SECONDS) from a corpus seeded with a few valid saves. A crash
# leaves its input in build-fuzz/ as crash-*; turn it into a test case in
# tests/core/save_file_test.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."

out=build-fuzz
module=(src/save/save_file.cpp src/save/save_name.cpp)
flags=(-std=c++20 -g -O1 -Isrc -Wall -Wextra)
mkdir -p "$out/corpus"

clang++ "${flags[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  "${module[@]}" fuzz/load_fuzzer.cpp -o "$out/load_fuzzer"
clang++ "${flags[@]}" "${module[@]}" fuzz/make_seeds.cpp -o "$out/make_seeds"
"$out/make_seeds" "$out/corpus"

if "$out/load_fuzzer" -max_total_time="${HAZAMA_FUZZ_SECONDS:-30}" -max_len=400 \
  -print_final_stats=1 -artifact_prefix="$out/" "$out/corpus" >"$out/fuzz.log" 2>&1; then
  grep -E '^(Done|stat::(number_of_executed_units|new_units_added))' "$out/fuzz.log"
else
  cat "$out/fuzz.log"
  exit 1
fi
