#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit, replay, random-key and
# real-window tests (each window test starts its own Xvfb), then all of them again built with
# the address and undefined-behaviour sanitizers. Warnings are errors in both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== build and test"
scripts/build.sh build -DLESSONS_WERROR=ON
(cd build && ctest --output-on-failure -j"$jobs")

echo "== the same under the sanitizers"
scripts/build.sh build-san -DCMAKE_BUILD_TYPE=Debug -DLESSONS_SANITIZE=ON -DLESSONS_WERROR=ON
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-san && ctest --output-on-failure -j"$jobs")
echo "== all tests passed"
