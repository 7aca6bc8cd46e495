#!/usr/bin/env bash
# Benchmarks, measured and reported (not tests), each printed with the machine's load:
#  - the CPU of the slowest key of every recorded screen with no window (goal under 0.5 ms);
#  - the first frame in the real window under Xvfb, from starting the program to the first page
#    it presents, beside the floor program that only fills a window (goal within 10% of it), and
#    to the first page with its text;
#  - CPU and wake-ups a second while waiting at a menu, a step and a number prompt, over 20 s
#    (goal under 0.1% of one core and fewer than 2 wake-ups a second);
#  - a window resized to 1440x900, 3840x2160 and 20000x20000: the program's peak memory, the CPU
#    of its redraw, and the time from a close to its end (goal under 0.5 s).
# usage: scripts/bench.sh [keys|first|idle|sizes]...   (all of them by default)
# BENCH_BIN=DIR measures the programs (and bench_keys) of another build; BENCH_IDLE_S sets the
# wait; BENCH_BUILD=0 measures what is built without building.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${BENCH_BUILD:-1}" = 1 ]; then
  scripts/install-deps.sh
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j4 --target lunevar pendrel osvatine bench_keys bench_first_frame floor_window x11probe >/dev/null
fi
bin=${BENCH_BIN:-build/bin}
idle_s=${BENCH_IDLE_S:-20}
parts=("$@")
((${#parts[@]})) || parts=(keys first idle sizes)
load() { echo "(load average $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores)"; }

xvfb_pid="" prog_pid=""
cleanup() {
  [ -n "$prog_pid" ] && kill "$prog_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
start_xvfb() {
  local dispfile
  dispfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1440x900x24 -nolisten tcp 3>"$dispfile" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$dispfile" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -1 "$dispfile")"
  rm -f "$dispfile"
}

# Starts a program and waits for its window; sets prog_pid and wid.
start_program() {
  "$bin/$1" &
  prog_pid=$!
  wid=$(timeout 10 xdotool search --sync --onlyvisible --name "^${1^}\$" | head -1)
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  sleep 0.5
}
stop_program() {
  kill "$prog_pid" 2>/dev/null || true
  wait "$prog_pid" 2>/dev/null || true
  prog_pid=""
}
# CPU time of every thread of the process, in ns, and its context switches (each one a wake-up
# or a preemption).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{s += $1} END {printf "%.0f\n", s}'; }
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {s += $2} END {print s}'; }

bench_keys() {
  echo "== slowest key of every recorded screen, CPU with no window (best of 5 runs) $(load)"
  local tool=$bin/bench_keys
  [ -x "$tool" ] || tool=build/bin/bench_keys
  local out
  out=$("$tool" --runs 5)
  grep -v '^keys:' <<<"$out" | sort -k5 -n -r | head -12
  grep '^keys:' <<<"$out"
}

bench_first() {
  echo "== first frame in the real window: start to the first page presented, and to its first text (10 starts) $(load)"
  printf "  %-9s " floor
  build/bin/bench_first_frame --runs 10 build/bin/floor_window
  for p in lunevar pendrel osvatine; do
    printf "  %-9s " "$p"
    build/bin/bench_first_frame --runs 10 --text "$bin/$p"
  done
}

bench_idle() {
  echo "== waiting ${idle_s} s in the real window: CPU and wake-ups a second $(load)"
  local rows=(
    "lunevar menu" "lunevar step 4 Return 2 Return a"
    "lunevar prompt 4 Return 2 Return a a a a a a a"
    "pendrel menu" "pendrel step 1 Return 1 Return a"
    "pendrel prompt 1 Return 1 Return a a a a a a a a a a a a a a a"
    "osvatine menu" "osvatine step 2 Return 2 Return a"
    "osvatine prompt 2 Return 2 Return a a a a a a a"
  )
  local row p state keys c0 c1 s0 s1
  for row in "${rows[@]}"; do
    read -r p state keys <<<"$row"
    start_program "$p"
    [ -z "$keys" ] || xdotool key --delay 150 $keys
    sleep 2
    c0=$(cpu_ns "$prog_pid") s0=$(switches "$prog_pid")
    sleep "$idle_s"
    c1=$(cpu_ns "$prog_pid") s1=$(switches "$prog_pid")
    stop_program
    awk -v c=$((c1 - c0)) -v s=$((s1 - s0)) -v t="$idle_s" -v p="$p" -v st="$state" \
      'BEGIN {printf "  %-9s %-7s %.3f%% of one core, %.2f wake-ups a second\n", p, st, 100 * c / 1e9 / t, s / t}'
  done
}

# Waits until the program takes under 20 ms of CPU in half a second (a redraw is over).
settle() {
  local last=-10000000 now
  for _ in $(seq 120); do
    sleep 0.5
    now=$(cpu_ns "$prog_pid")
    [ $((now - last)) -lt 20000000 ] && return
    last=$now
  done
}

bench_sizes() {
  echo "== window sizes: peak memory, redraw CPU, close to end (Lunevar's menu) $(load)"
  local size w h c0 c1 t0 t1 peak
  for size in 1440x900 3840x2160 20000x20000; do
    w=${size%x*} h=${size#*x}
    start_program lunevar
    xdotool windowsize "$wid" 1000 700
    settle
    c0=$(cpu_ns "$prog_pid")
    xdotool windowsize "$wid" "$w" "$h"
    settle
    c1=$(cpu_ns "$prog_pid")
    peak=$(awk '/VmHWM/ {print $2}' /proc/"$prog_pid"/status)
    build/tests/x11probe close "$wid"
    t0=$(date +%s%N)
    while kill -0 "$prog_pid" 2>/dev/null; do sleep 0.002; done
    t1=$(date +%s%N)
    wait "$prog_pid" 2>/dev/null || true
    prog_pid=""
    awk -v s="$size" -v m="$peak" -v c=$((c1 - c0)) -v e=$(((t1 - t0) / 1000000)) \
      'BEGIN {printf "  %-12s peak %.1f MB, redraw %.1f ms CPU, close to end %d ms\n", s, m / 1024, c / 1e6, e}'
  done
}

for part in "${parts[@]}"; do
  case $part in
    keys) bench_keys ;;
    first | idle | sizes)
      [ -n "$xvfb_pid" ] || start_xvfb
      "bench_$part"
      ;;
    *) echo "bench.sh: unknown part $part (keys, first, idle, sizes)" >&2; exit 2 ;;
  esac
done
