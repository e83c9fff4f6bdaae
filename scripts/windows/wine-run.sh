#!/usr/bin/env bash
# Runs one cross-built Windows program under Wine with the build's Qt and MinGW libraries:
#   scripts/windows/wine-run.sh PROGRAM.exe [ARGUMENTS...]
# CTest runs every Windows test through it (the build's CMAKE_CROSSCOMPILING_EMULATOR).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
source "$ROOT/scripts/windows/toolchain-dir.sh"
source "$ROOT/scripts/windows/wine-env.sh"
sqw_wine_env "$(sqw_win_toolchain_dir)" "${SQW_WINE_STATE:-$ROOT/build-win64}"
exec "$SQW_WINE" "$@"
