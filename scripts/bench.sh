#!/usr/bin/env bash
# Benchmarks, measured and reported (not tests): start-up to the first page shown (median of
# 10 replays of an empty key script) and the CPU a program takes while it waits at a key for
# 5 s in a real window under Xvfb. Goals: start-up under 150 ms, idle CPU under 2% of one core.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build >/dev/null
programs=(lunevar pendrel osvatine)

median_ms() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

echo "start-up to first page (median of 10 replays of an empty script):"
for p in "${programs[@]}"; do
  for _ in $(seq 10); do
    t0=$(date +%s%N)
    build/bin/replay "$p" --keys ""
    t1=$(date +%s%N)
    echo $(((t1 - t0) / 1000000))
  done | median_ms | xargs printf "  %-9s %s ms\n" "$p"
done

xvfb_pid="" prog_pid=""
cleanup() {
  [ -n "$prog_pid" ] && kill "$prog_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
dispfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$dispfile" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$dispfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$dispfile")"
rm -f "$dispfile"

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
echo "CPU while waiting at a key for 5 s in a real window (Xvfb):"
for p in "${programs[@]}"; do
  build/bin/"$p" &
  prog_pid=$!
  timeout 10 xdotool search --sync --onlyvisible --name . >/dev/null
  sleep 1
  a=$(ticks "$prog_pid")
  sleep 5
  b=$(ticks "$prog_pid")
  kill "$prog_pid"
  wait "$prog_pid" 2>/dev/null || true
  prog_pid=""
  awk -v t=$((b - a)) -v hz="$hz" -v p="$p" 'BEGIN {printf "  %-9s %.2f%% of one core\n", p, 100 * t / hz / 5}'
done
