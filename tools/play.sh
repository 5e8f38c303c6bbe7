#!/usr/bin/env bash
# Builds the game (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

bash tools/build-release.sh build
exec build/bin/tolvane
