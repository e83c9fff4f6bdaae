#!/usr/bin/env bash
# Sets everything up and opens the desktop program on the bundled sample team. Without a
# display it shows the proposed lineup in the terminal instead.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/squadwright
fi
echo "No display found: showing the proposed lineup in the terminal instead."
exec build/bin/squadwright-cli best
