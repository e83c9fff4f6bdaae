#!/usr/bin/env bash
# Cross-compiles Squadwright for 64-bit Windows into build-win64/ (program folder:
# build-win64/bin): squadwright.exe, squadwright-cli.exe, the demo server, the solver plugin
# and the test programs, from the same sources with the same warnings as errors as on Linux.
# Needs the Windows toolchain (scripts/windows/build-toolchain.sh).
#   SQW_WERROR=OFF  warnings stay warnings (default ON, as in CI)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$ROOT"
source scripts/windows/toolchain-dir.sh
TOOLCHAIN="$(sqw_win_toolchain_dir)"
if ! sqw_win_toolchain_ready "$TOOLCHAIN"; then
  echo "No Windows toolchain in $TOOLCHAIN: run scripts/windows/build-toolchain.sh first." >&2
  exit 1
fi
BUILD="${SQW_WIN_BUILD:-build-win64}"
# CBC's libraries are found through pkg-config, from the Windows side only.
export PKG_CONFIG_LIBDIR="$TOOLCHAIN/coin/lib/pkgconfig"
export PKG_CONFIG_PATH="$PKG_CONFIG_LIBDIR"
export SQW_WIN_TOOLCHAIN="$TOOLCHAIN"
cmake -S . -B "$BUILD" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DSQW_WIN_TOOLCHAIN="$TOOLCHAIN" -DQT_HOST_PATH=/usr \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$ROOT/scripts/windows/wine-run.sh" \
  -DCMAKE_BUILD_TYPE=Release -DSQW_WERROR="${SQW_WERROR:-ON}" >/dev/null
cmake --build "$BUILD" -j"${SQW_JOBS:-$(nproc)}"
