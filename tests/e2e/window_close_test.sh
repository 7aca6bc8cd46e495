#!/usr/bin/env bash
# The real-window test of how Lunevar's window ends: under its own Xvfb, a close sent right after
# a burst of arrow keys at the interactive figure ends the program with status 0 within a time
# limit, without handling the keys still waiting, and so does one sent to a window made
# 20000x20000 (which holds no more memory than a 4K one); and a window destroyed by another
# client ends it with status 0 and nothing on stderr.
# usage: window_close_test.sh BIN_DIR X11PROBE OUT_DIR LIMIT_MS
set -euo pipefail
bin=$1 probe=$2 out=$3 limit_ms=$4
source "$(dirname "$0")/xvfb_lib.sh"

start() {
  : >"$out/lunevar.stderr"
  "$bin/lunevar" 2>"$out/lunevar.stderr" &
  prog_pid=$!
  wid=$(timeout 10 xdotool search --sync --onlyvisible --name "^Lunevar\$" | head -1) || fail "no window titled Lunevar"
  xdotool windowfocus --sync "$wid"
}

# Waits for the program to end (at most 10 s); prints how long that took in ms.
time_to_end() {
  local t0 t1
  t0=$(date +%s%N)
  for _ in $(seq 1000); do kill -0 "$prog_pid" 2>/dev/null || break; sleep 0.01; done
  t1=$(date +%s%N)
  kill -0 "$prog_pid" 2>/dev/null && fail "lunevar did not end: $1"
  echo $(((t1 - t0) / 1000000))
}

ended_with_zero() {
  local status=0
  wait "$prog_pid" || status=$?
  prog_pid=""
  [ "$status" -eq 0 ] || fail "lunevar ended with status $status: $1"
}

source "$(dirname "$0")/page_pixels_lib.sh"

# At the interactive figure (P's dot drawn at page (604, 246)), 2,000 arrow keys at once, then
# the close: the keys still waiting are not handled first.
start
xdotool key --delay 60 1 Return a b c d e 1 Return
wait_colour explorer-open.png 604 246 "$(white)" no
xdotool key --delay 0 $(printf 'Left %.0s' $(seq 2000))
"$probe" close "$wid"
ms=$(time_to_end "closed after 2,000 arrow keys")
ended_with_zero "closed after 2,000 arrow keys"
echo "ended ${ms} ms after the close"
[ "$ms" -le "$limit_ms" ] || fail "lunevar took ${ms} ms to end after the close (limit ${limit_ms} ms)"

# Another client makes the window 20000x20000: the picture is drawn no larger than a fixed size
# and stretched, so the program holds what a 4K window takes, and a close still ends it in time.
start
xdotool windowsize "$wid" 20000 20000
last=-1
for _ in $(seq 120); do  # until a redraw is over: no CPU taken for half a second
  sleep 0.5
  now=$(awk '{print $14 + $15}' "/proc/$prog_pid/stat")
  [ "$now" = "$last" ] && break
  last=$now
done
peak_kb=$(awk '/VmHWM/ {print $2}' "/proc/$prog_pid/status")
"$probe" close "$wid"
ms=$(time_to_end "closed at 20000x20000")
ended_with_zero "closed at 20000x20000"
echo "20000x20000: peak $((peak_kb / 1024)) MB, ended ${ms} ms after the close"
[ "$peak_kb" -le 409600 ] || fail "lunevar held $((peak_kb / 1024)) MB in a 20000x20000 window (limit 400 MB)"
[ "$ms" -le "$limit_ms" ] || fail "lunevar took ${ms} ms to end after the close at 20000x20000 (limit ${limit_ms} ms)"

# Another client destroys the window (as xdotool windowclose does): a close, not a failure.
start
sleep 0.3
xdotool windowclose "$wid"
time_to_end "window destroyed" >/dev/null
ended_with_zero "window destroyed"
[ ! -s "$out/lunevar.stderr" ] || fail "lunevar wrote to stderr when its window was destroyed: $(head -3 "$out/lunevar.stderr")"
echo "ok: lunevar window close"
