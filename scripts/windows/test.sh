#!/usr/bin/env bash
# The Windows build and its tests, here under Wine: cross-builds (warnings as errors), runs the
# whole test suite with CTest through Wine (offscreen platform), makes the .zip and runs the
# command-line program from the unpacked folder alone, and compares its output on the sample
# team with the Linux build's (build/bin, when there is one).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$ROOT"
./scripts/windows/install-deps.sh
./scripts/windows/build.sh
BUILD="${SQW_WIN_BUILD:-build-win64}"
# One Wine start first: the prefix is made once, not by the first tests racing for it.
./scripts/windows/wine-run.sh "$BUILD/bin/squadwright-cli.exe" --version
QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)" --timeout 600

./scripts/windows/package.sh
# The unpacked folder must run by itself: no Qt or MinGW folder on the Windows PATH.
unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$BUILD"/squadwright-*-win64.zip -d "$unpacked"
folder="$(echo "$unpacked"/squadwright-*-win64)"
(
  source scripts/windows/toolchain-dir.sh
  source scripts/windows/wine-env.sh
  sqw_wine_env "$(sqw_win_toolchain_dir)" "$ROOT/$BUILD"
  unset WINEPATH QT_PLUGIN_PATH
  "$SQW_WINE" "$folder/squadwright-cli.exe" --folder "$folder" evaluate > "$unpacked/evaluate.out"
  "$SQW_WINE" "$folder/squadwright-cli.exe" --folder "$folder" optimize --json > "$unpacked/optimize.out"
)
echo "the unpacked .zip runs: squadwright-cli evaluate and optimize"

if [ -x build/bin/squadwright-cli ]; then
  ./scripts/windows/compare-cli.sh build/bin "$BUILD/bin"
else
  echo "No Linux build in build/: the comparison of the two command-line programs is skipped."
fi
