#!/usr/bin/env bash
# Builds the Debian package of Squadwright into build-package/ (a Release build of its own) and
# shows what it holds. Install it with: sudo apt install ./build-package/squadwright_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# The distribution's hardening flags, as a Debian package build gets them (fortified calls, stack
# protector, read-only relocations bound at start-up).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# Only the two programs (and the solver plugin they open) are built: the package holds nothing else.
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DSQW_WERROR="${SQW_WERROR:-OFF}" \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${launcher[@]}" >/dev/null
cmake --build build-package --target squadwright squadwright-cli -j"$(nproc)"
(cd build-package && cpack -G DEB >/dev/null)
deb=$(ls -t build-package/squadwright_*.deb | head -n1)
dpkg-deb -I "$deb"
echo "package: $deb"
