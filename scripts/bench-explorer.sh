#!/usr/bin/env bash
# Benchmarks Lunevar's interactive figure: arrow key to redrawn page on the recording page and
# in the real window under Xvfb, each over a soak of many arrow keys (memory and speed held).
set -euo pipefail
cd "$(dirname "$0")/.."
keys=${1:-10000}
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target bench_explorer >/dev/null
echo "== recording page, $keys arrow keys"
build/bin/bench_explorer --keys "$keys"
echo "== real window under Xvfb, $keys arrow keys"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1440x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
DISPLAY=$display SDL_VIDEODRIVER=x11 build/bin/bench_explorer --window --keys "$keys"
