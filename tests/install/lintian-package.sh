#!/usr/bin/env bash
# Makes the Debian package of the build and has lintian check it as a distribution would: any
# error or warning fails (the infos, such as the hardening flags only the package build sets,
# are shown but pass). Skipped (exit 77) where lintian is not installed.
#   lintian-package.sh CPACK BUILD_DIR
set -euo pipefail
cpack_command=$1
build=$2
command -v lintian >/dev/null || { echo "lintian is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cpack_command" --config "$build/CPackConfig.cmake" -G DEB -B "$work" >/dev/null
deb=$(ls "$work"/squadwright_*.deb)
lintian -I -E --pedantic --fail-on error,warning "$deb"
echo "lintian: no error and no warning on $(basename "$deb")"
