#!/usr/bin/env bash
# Builds the design file reader fuzzer with clang in build-fuzz and runs it
# for a fixed time (seconds, default 60) from the sample design files.
set -euo pipefail

cd "$(dirname "$0")/.."
seconds="${1:-60}"
build="build-fuzz"

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_BUILD_FUZZERS=ON -DCORVANE_BUILD_TESTS=OFF
cmake --build "$build" -j2 --target design_csv_reader_fuzzer

corpus="$build/corpus/design_csv_reader"
mkdir -p "$corpus"
cp tests/data/*.csv "$corpus/"

"$build/fuzz/design_csv_reader_fuzzer" \
  -max_total_time="$seconds" \
  -max_len=16384 \
  -dict=fuzz/design-csv.dict \
  -artifact_prefix="$build/" \
  -print_final_stats=1 \
  "$corpus"
