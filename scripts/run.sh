#!/usr/bin/env bash
# Builds Corvane (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_TESTS=OFF
cmake --build build-release -j"$(nproc)"
exec ./build-release/corvane "$@"
