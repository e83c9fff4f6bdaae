#!/usr/bin/env bash
# Sets everything up and runs the main job on the bundled sample team.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
exec build/bin/squadwright-cli roster
