#!/usr/bin/env bash
# Configures and builds into a build directory (default build/): the programs, replay and tests.
# usage: scripts/build.sh [BUILD_DIR [CMAKE_OPTIONS...]]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
