#!/usr/bin/env bash
# Makes build-win64/squadwright-<version>-win64.zip from the Windows build (scripts/windows/build.sh):
# one program folder that runs by double-click on squadwright.exe. It holds the two programs and
# the solver plugin, the run-time folders (xml, lng, img, doc) with SQW.ini and the first-run
# marker Infos.ctr, the Qt libraries and plugins they use (window system, style, pictures, TLS),
# Qt's own French texts, and the MinGW run-time libraries. CBC is linked into the solver plugin.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$ROOT"
source scripts/windows/toolchain-dir.sh
TOOLCHAIN="$(sqw_win_toolchain_dir)"
BUILD="${SQW_WIN_BUILD:-build-win64}"
[ -f "$BUILD/bin/squadwright.exe" ] || { echo "No Windows build in $BUILD: run scripts/windows/build.sh first." >&2; exit 1; }
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")"
name="squadwright-$version-win64"
stage="$BUILD/package/$name"
rm -rf "$BUILD/package" && mkdir -p "$stage"
cmake --install "$BUILD" --prefix "$stage" --strip >/dev/null

QT="$TOOLCHAIN/qt"
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll tls/qschannelbackend.dll \
              imageformats/qgif.dll imageformats/qico.dll; do
  mkdir -p "$stage/$(dirname "$plugin")"
  cp "$QT/plugins/$plugin" "$stage/$plugin"
done
# Qt's own texts (standard buttons, the XML reader's errors), where Qt looks for them.
if ls /usr/share/qt6/translations/qtbase_fr.qm >/dev/null 2>&1; then
  mkdir -p "$stage/translations"
  cp /usr/share/qt6/translations/qtbase_fr.qm "$stage/translations/"
fi

# Every library the programs and plugins load, found by their import tables, from Qt, MinGW's
# run-time or CBC; the system's own (KERNEL32, USER32, ...) are on every Windows.
search=("$QT/bin" "$TOOLCHAIN/coin/bin"
        "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
        "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")
queue=($(find "$stage" -iname '*.exe' -o -iname '*.dll'))
declare -A seen=()
while [ ${#queue[@]} -gt 0 ]; do
  file="${queue[0]}"; queue=("${queue[@]:1}")
  for dll in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
    key="${dll,,}"
    [ -n "${seen[$key]:-}" ] && continue
    seen[$key]=1
    for dir in "${search[@]}"; do
      found="$(find "$dir" -maxdepth 1 -iname "$dll" 2>/dev/null | head -1)"
      if [ -n "$found" ]; then
        cp "$found" "$stage/"
        queue+=("$stage/$(basename "$found")")
        break
      fi
    done
  done
done
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/Qt6*.dll "$stage"/*/q*.dll 2>/dev/null || true

zip_file="$BUILD/$name.zip"
rm -f "$zip_file"
(cd "$BUILD/package" && zip -qrX9 "../$name.zip" "$name")
echo "package: $zip_file ($(du -h "$zip_file" | cut -f1))"
