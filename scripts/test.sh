#!/usr/bin/env bash
# Builds Corvane with AddressSanitizer and UndefinedBehaviorSanitizer
# (installing what is missing) and runs every test through CTest; then
# builds the Debian package and checks it, installing it for real and
# removing it again (CORVANE_PACKAGE_CHECK=0 leaves the package out).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON
cmake --build build-test -j"$(nproc)"
# The spooler test prints a real job through a local CUPS queue that writes
# PDFs; without the queue it fails in CI and is skipped elsewhere.
export CORVANE_CUPS_QUEUE="${CORVANE_CUPS_QUEUE:-CorvanePDF}"
if cups_pdf_dir="$(scripts/start-cups.sh)"; then
  export CORVANE_CUPS_PDF_DIR="$cups_pdf_dir"
else
  echo "test.sh: could not set up the CUPS PDF queue" >&2
fi
# Leaks are errors; only those inside D-Bus and fontconfig are suppressed.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan-suppressions.txt:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# The design file reader and the renderer are fuzzed for a fixed, short
# time each on every run.
fuzz/run-fuzzer.sh "${CORVANE_FUZZ_SECONDS:-20}"
# The tests that draw in 3D start a private Xvfb of their own
# (scripts/with-xvfb.sh); the rest run on the offscreen platform.
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
# The Debian package: lintian, the validators, the unpacked program's 3D
# module, and a real install and removal (CI runs as root on a fresh machine).
if [ "${CORVANE_PACKAGE_CHECK:-1}" != "0" ]; then
  scripts/package.sh
  scripts/check-package.sh
fi
