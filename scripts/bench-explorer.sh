#!/usr/bin/env bash
# Benchmarks Lunevar's interactive figure: arrow key to redrawn page on the recording page and
# in the real window under Xvfb, each over a soak of many arrow keys (memory and speed held);
# the page's kept operations and CPU per key over 200,000 random arrow keys (first and last
# 10,000 equal within 20%); the replay tool's peak memory at 1,000 and 200,000 keys (under 1.5x
# apart); and the time the program takes to end when closed right after a burst of 10,000 keys
# in the real window (under 0.5 s).
set -euo pipefail
cd "$(dirname "$0")/.."
keys=${1:-10000}
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target bench_explorer replay lunevar x11probe >/dev/null
tmp=$(mktemp -d)
display_pid="" prog_pid=""
cleanup() {
  [ -n "$prog_pid" ] && kill "$prog_pid" 2>/dev/null || true
  [ -n "$display_pid" ] && kill "$display_pid" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

echo "== recording page, $keys arrow keys"
build/bin/bench_explorer --keys "$keys"

echo "== the page's length and CPU per key, 200,000 random arrow keys on the recording page"
build/bin/bench_explorer --soak --keys 200000

echo "== the replay tool's peak memory (ops log written to /dev/null)"
explorer_keys() {
  local n=$1
  printf '1{Enter}abcde1{Enter}'
  awk -v n="$n" 'BEGIN { split("{Left} {Right} {Up} {Down}", k, " "); for (i = 0; i < n; i++) printf "%s", k[int(i / 50) % 4 + 1] }'
}
peak_kb() { /usr/bin/time -f %M build/bin/replay lunevar --keys-file "$1" --ops /dev/null 2>&1 >/dev/null | tail -1; }
if [ -x /usr/bin/time ]; then
  explorer_keys 1000 >"$tmp/k1000"
  explorer_keys 200000 >"$tmp/k200000"
  few=$(peak_kb "$tmp/k1000")
  many=$(peak_kb "$tmp/k200000")
  awk -v a="$few" -v b="$many" 'BEGIN {printf "  1,000 keys: %.1f MB; 200,000 keys: %.1f MB (%.2fx)\n", a / 1024, b / 1024, b / a}'
else
  echo "  (needs /usr/bin/time, Debian package time)"
fi

# An Xvfb of our own on a free display.
dispfile="$tmp/display"
Xvfb -displayfd 3 -screen 0 1440x900x24 -nolisten tcp 3>"$dispfile" 2>/dev/null &
display_pid=$!
for _ in $(seq 100); do [ -s "$dispfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$dispfile")"

echo "== real window under Xvfb, $keys arrow keys"
SDL_VIDEODRIVER=x11 build/bin/bench_explorer --window --keys "$keys"

echo "== time to end after the close, sent right after a burst of 10,000 arrow keys (real window)"
for run in 1 2 3; do
  build/bin/lunevar &
  prog_pid=$!
  wid=$(timeout 10 xdotool search --sync --onlyvisible --name "^Lunevar\$" | head -1)
  xdotool windowfocus --sync "$wid"
  xdotool key --delay 60 1 Return a b c d e 1 Return
  sleep 1
  xdotool key --delay 0 $(printf 'Left %.0s' $(seq 10000))
  build/tests/x11probe close "$wid"
  t0=$(date +%s%N)
  while kill -0 "$prog_pid" 2>/dev/null; do sleep 0.005; done
  t1=$(date +%s%N)
  wait "$prog_pid" && status=0 || status=$?
  prog_pid=""
  echo "  run $run: ended $(((t1 - t0) / 1000000)) ms after the close, status $status"
done
