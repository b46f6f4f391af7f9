#!/usr/bin/env bash
# Builds the fuzzers with clang in build-fuzz and runs each for a fixed time
# (seconds, default 60) from the sample design files and full-size designs
# (fuzz/seeds: 2047 records each): the design file reader, then the reader
# with the renderer behind it.
set -euo pipefail

cd "$(dirname "$0")/.."
seconds="${1:-60}"
build="build-fuzz"

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_BUILD_FUZZERS=ON -DCORVANE_BUILD_TESTS=OFF
cmake --build "$build" -j2 --target design_csv_reader_fuzzer design_render_fuzzer

# run TARGET MAX_LEN [libFuzzer options...]
run() {
  local target="$1" max_len="$2"
  shift 2
  local corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  cp tests/data/*.csv fuzz/seeds/*.csv "$corpus/"
  "$build/fuzz/$target" \
    -max_total_time="$seconds" \
    -max_len="$max_len" \
    -dict=fuzz/design-csv.dict \
    -artifact_prefix="$build/$target-" \
    -print_final_stats=1 \
    "$@" \
    "$corpus"
}

# Room for a whole full-size design (about 150 KB) and for mutations that
# lengthen it: a limit at the largest seed would only ever cut designs short.
max_len=262144
run design_csv_reader_fuzzer "$max_len"
# Qt's and the font library's caches live as long as the process, so leaks
# are not checked here.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  run design_render_fuzzer "$max_len" -detect_leaks=0 -rss_limit_mb=4096
