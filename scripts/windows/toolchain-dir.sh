# Sourced by the Windows scripts and CI: where the Windows Qt and CBC live.
# $SQW_WIN_TOOLCHAIN wins; then a ready copy beside the project in ../shared/windows-toolchain;
# then /opt/squadwright-win64.
sqw_win_toolchain_dir() {
  local root shared
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
  shared="$(cd "$root/.." && pwd)/shared/windows-toolchain"
  if [ -n "${SQW_WIN_TOOLCHAIN:-}" ]; then echo "$SQW_WIN_TOOLCHAIN"
  elif [ -d "$shared" ]; then echo "$shared"
  else echo /opt/squadwright-win64
  fi
}
# True when the folder holds a finished toolchain: every part built to its end (its stamp), not
# one whose rebuild was cut short.
sqw_win_toolchain_ready() {
  local d="$1" part
  [ -f "$d/qt/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$d/coin/lib/pkgconfig/cbc.pc" ] || return 1
  for part in qt coin-coinutils coin-osi coin-clp coin-cgl coin-cbc; do
    [ -f "$d/.built-$part" ] || return 1
  done
}
