#!/usr/bin/env bash
# Installs the Debian packages Squadwright needs to build, test and run.
# This is the one list of packages; .ci/run and the README both use it.
set -euo pipefail

PACKAGES=(
  cmake g++ make
  clang libclang-rt-14-dev ccache
  qt6-base-dev qt6-base-dev-tools
  libgl-dev libx11-dev
  libbenchmark-dev
  coinor-libcbc-dev pkg-config
  xvfb xauth
  desktop-file-utils appstream dpkg-dev lintian
  fonts-dejavu-core qt6-translations-l10n
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "All build packages are installed."
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
