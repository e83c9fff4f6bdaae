#!/usr/bin/env bash
# Configures and builds into build/ (program folder: build/bin).
# SQW_WERROR=ON turns compiler warnings into errors (CI does).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSQW_WERROR="${SQW_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
