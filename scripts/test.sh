#!/usr/bin/env bash
# Builds and runs every test (unit, integration and widget tests on the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
