#!/usr/bin/env bash
# Builds the Windows (MinGW-w64) Qt and CBC that the cross build links, from Debian's source
# packages, into a folder outside the repository:
#   $SQW_WIN_TOOLCHAIN, else ../shared/windows-toolchain (a ready copy: used as it is), else
#   /opt/squadwright-win64.
# What is already built there is skipped (a stamp file per part), so a second run is quick.
# Long: Qt alone is about 1,200 compile steps. Run it niced when the machine is shared.
#   build-toolchain.sh [qt] [cbc]   only those parts (default: both)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
source "$ROOT/scripts/windows/toolchain-dir.sh"
PREFIX="$(sqw_win_toolchain_dir)"
if [ "$PREFIX" = "$(cd "$ROOT/.." && pwd)/shared/windows-toolchain" ]; then
  echo "Using the ready Windows toolchain in $PREFIX"
  exit 0
fi
parts="${*:-qt cbc}"
WORK="${SQW_WIN_BUILD_DIR:-/var/tmp/squadwright-win64-build}"
JOBS="${SQW_JOBS:-$(nproc)}"
TRIPLET=x86_64-w64-mingw32
mkdir -p "$PREFIX" "$WORK"
stamp() { echo "$PREFIX/.built-$1"; }
log() { echo "[$(date -u +%H:%M:%S)] $*"; }

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

# ---- build machine packages, and access to Debian's source packages ----
"$ROOT/scripts/windows/install-deps.sh"
# apt-get source needs a deb-src entry; mirror the machine's own Debian source list.
if ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
      | $SUDO tee /etc/apt/sources.list.d/squadwright-deb-src.sources >/dev/null
  else
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' \
      | $SUDO tee /etc/apt/sources.list.d/squadwright-deb-src.list >/dev/null
  fi
  $SUDO apt-get update -qq
fi

# Unpacks a Debian source package (patches applied) into $WORK and prints its folder.
fetch_source() {
  local pkg="$1"
  local dir
  dir="$(find "$WORK" -maxdepth 1 -type d -name "$pkg-[0-9]*" | head -1)"
  if [ -z "$dir" ]; then
    (cd "$WORK" && apt-get source -qq "$pkg" >/dev/null)
    dir="$(find "$WORK" -maxdepth 1 -type d -name "$pkg-[0-9]*" | head -1)"
  fi
  echo "$dir"
}

# ---- Qt 6 base, same version as the build machine's Qt (its moc, rcc and uic are used) ----
if [[ " $parts " == *" qt "* ]] && [ ! -f "$(stamp qt)" ]; then
  src="$(fetch_source qt6-base)"
  # Qt 6.4's Windows platform plugin asks the dynamic OpenGL loader whether it is a software
  # renderer even when OpenGL is configured off; without OpenGL it is not.
  sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    "$src/src/plugins/platforms/windows/qwindowswindow.cpp"
  # Its DirectWrite font database is built into Qt Gui only together with Direct2D, which is off:
  # the plugin then keeps to the GDI font database.
  sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$src/src/plugins/platforms/windows/qwindowsintegration.cpp"
fi
if [[ " $parts " == *" qt "* ]] && [ ! -f "$(stamp qt)" ] && [ ! -f "$WORK/qt-build/build.ninja" ]; then
  log "Qt: configuring $src"
  host_info="$(dirname "$(find /usr/lib -path '*cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake' | head -1)")"
  cmake -S "$src" -B "$WORK/qt-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=BOTH \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX/qt" \
    -DQT_HOST_PATH=/usr -DQt6HostInfo_DIR="$host_info" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
    -DFEATURE_openssl=OFF -DFEATURE_schannel=ON \
    -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_zstd=OFF -DFEATURE_brotli=OFF \
    -DFEATURE_direct2d=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_tabletevent=OFF \
    > "$WORK/qt-configure.log" 2>&1 || { tail -40 "$WORK/qt-configure.log"; exit 1; }
fi
if [[ " $parts " == *" qt "* ]] && [ ! -f "$(stamp qt)" ]; then
  log "Qt: building ($(ninja -C "$WORK/qt-build" -n 2>/dev/null | tail -1 | sed 's/^\[[0-9]*\/\([0-9]*\)\].*/\1/') steps)"
  cmake --build "$WORK/qt-build" -j"$JOBS"
  cmake --install "$WORK/qt-build" >/dev/null
  touch "$(stamp qt)"
  log "Qt: installed into $PREFIX/qt"
fi

# ---- CBC and the COIN-OR libraries under it, static, so the solver plugin is one DLL ----
# CBC with its threads, as Debian builds it for Linux: the solver sets its thread count, and a
# CBC without them answers that setting with a complaint on the standard output.
export PKG_CONFIG_LIBDIR="$PREFIX/coin/lib/pkgconfig"
export PKG_CONFIG_PATH="$PREFIX/coin/lib/pkgconfig"
# Debian's source package of each, in the order they build on one another.
for package in coinutils coinor-osi clp coinor-cgl coinor-cbc; do
  [[ " $parts " == *" cbc "* ]] || break
  part="${package#coinor-}"
  [ -f "$(stamp "coin-$part")" ] && continue
  src="$(fetch_source "$package")"
  [ -n "$src" ] || { echo "no source package $package" >&2; exit 1; }
  log "CBC: building $part from $src"
  b="$WORK/coin-$part-build"
  rm -rf "$b" && mkdir -p "$b"
  (cd "$b" && "$src/configure" --host=$TRIPLET --prefix="$PREFIX/coin" \
      CC=$TRIPLET-gcc-posix CXX=$TRIPLET-g++-posix F77=unavailable \
      --enable-static --disable-shared --disable-dependency-tracking \
      --without-blas --without-lapack --without-glpk --without-asl --without-mumps \
      --without-netlib --without-sample --without-nauty --without-cholmod --without-amd \
      --disable-zlib --disable-bzlib --disable-readline \
      $([ "$part" = cbc ] && echo --enable-cbc-parallel) \
      CXXFLAGS="-O2 -DNDEBUG" CFLAGS="-O2 -DNDEBUG" \
      > "$b/configure.log" 2>&1) || { tail -40 "$b/configure.log"; exit 1; }
  make -C "$b" -j"$JOBS" > "$b/make.log" 2>&1 || { tail -40 "$b/make.log"; exit 1; }
  make -C "$b" install > "$b/install.log" 2>&1
  touch "$(stamp "coin-$part")"
done
if sqw_win_toolchain_ready "$PREFIX"; then
  log "Windows toolchain ready in $PREFIX"
else
  log "Built: $parts (the toolchain in $PREFIX is not complete yet)"
fi
