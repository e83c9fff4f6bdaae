#!/usr/bin/env bash
# Installs the Debian packages the Windows build needs here: the MinGW-w64 cross compilers, Wine
# to run the programs and tests, zip, and the Linux Qt whose moc, rcc and uic the build uses.
# The one list of them; build-toolchain.sh and test.sh both use it.
set -euo pipefail
PACKAGES=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine64 fonts-dejavu-core
  cmake ninja-build perl dpkg-dev pkg-config zip unzip
  qt6-base-dev qt6-base-dev-tools
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
