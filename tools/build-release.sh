#!/usr/bin/env bash
# Builds the game as a player gets it, release, in the folder given (tools/play.sh uses
# build/; the packaging test its own folder, to check the package made from it).
#   build-release.sh <build folder>
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++
cmake --build "$1" -j2
