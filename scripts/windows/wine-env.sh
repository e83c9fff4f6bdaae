# Sourced by the Windows scripts: the Wine setting in which the cross-built programs run here.
# sqw_wine_env TOOLCHAIN_FOLDER STATE_FOLDER: A Wine prefix of our own, quiet, with
# the Qt and MinGW run-time libraries on the Windows PATH, so the build's programs run in place.
sqw_wine_env() {
  local toolchain="$1" state="$2"
  local gcc_dll
  gcc_dll="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
  local pthread_dll
  pthread_dll="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")"
  export WINEPREFIX="$state/wine-prefix"
  export WINEARCH=win64
  export WINEDEBUG="${WINEDEBUG:--all}"
  # No desktop integration of Wine itself (menus, file types, the Mono and Gecko prompts).
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winemenubuilder.exe=d;mscoree=d;mshtml=d}"
  export WINEPATH="$(sqw_to_windows "$toolchain/qt/bin");$(sqw_to_windows "$gcc_dll");$(sqw_to_windows "$pthread_dll")"
  export QT_PLUGIN_PATH="$(sqw_to_windows "$toolchain/qt/plugins")"
  # The offscreen platform reads its fonts from a folder: the same DejaVu as on Linux.
  export QT_QPA_FONTDIR="$(sqw_to_windows /usr/share/fonts/truetype/dejavu)"
  # Debian's wine64 package keeps its programs out of PATH (the wine package adds wrappers).
  if command -v wine64 >/dev/null; then SQW_WINE=wine64; else SQW_WINE=/usr/lib/wine/wine64; fi
  if command -v wineserver >/dev/null; then SQW_WINESERVER=wineserver; else SQW_WINESERVER=/usr/lib/wine/wineserver; fi
  export SQW_WINE SQW_WINESERVER
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$SQW_WINE" wineboot -i >/dev/null 2>&1 || true
    "$SQW_WINESERVER" -w || true
  fi
}
# Wine shows this machine's root folder as drive Z:.
sqw_to_windows() { local p="$1"; echo "Z:${p//\//\\}"; }
