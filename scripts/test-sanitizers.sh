#!/usr/bin/env bash
# Builds every test and the fuzz targets with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, build-asan), then runs the whole suite and each fuzz target for its bounded time.
# One build serves both: the fuzz build is a sanitized build with coverage added.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-asan}
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# Line tables only (-g1): the reports still name file and line, and the build is much quicker.
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_CXX_COMPILER=clang++ \
  -DSQW_FUZZ=ON -DSQW_FUZZ_SECONDS="${SQW_FUZZ_SECONDS:-20}" -DSQW_CHECK_LAYERS=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON "${launcher[@]}"
cmake --build "$BUILD_DIR" -j"$(nproc)"
# Leaks stop the run too, except those inside the system libraries named in
# lsan-suppressions.txt (libdbus-1 keeps a buffer the X11 tests cannot free).
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
export QT_QPA_PLATFORM=offscreen
# The fuzz targets each take their bounded time; they run one at a time beside the tests.
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
