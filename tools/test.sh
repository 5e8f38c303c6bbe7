#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (clang, so the
# fuzz targets come along) and runs every test, the short fuzz runs included.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

cmake -S . -B build-test -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DTOLVANE_TESTS=ON -DTOLVANE_SANITIZE=ON
cmake --build build-test -j2

cd build-test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/../tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1
ctest --output-on-failure -j2 --timeout 600
