#!/usr/bin/env bash
# Renders the program icon (packaging/icons/org.squadwright.Squadwright.svg) at the sizes the
# desktop menus use. The PNG files are committed, so the build never runs this; run it again
# after changing the drawing. Needs rsvg-convert (Debian package librsvg2-bin) and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" -o "org.squadwright.Squadwright-$size.png" org.squadwright.Squadwright.svg
done
# The Windows program file's icon: every size in one .ico (ImageMagick).
convert $(for size in 16 24 32 48 64 128 256; do echo "org.squadwright.Squadwright-$size.png"; done) \
  ../windows/squadwright.ico
