#!/usr/bin/env bash
# Without a display a program does not run on with no window: it says so in one line on stderr
# (what a display library printed folded into it) and ends with status 1 at once. A video driver named in SDL_VIDEODRIVER is still used.
# usage: no_display_test.sh BIN_DIR OUT_DIR
set -euo pipefail
bin=$1 out=$2
mkdir -p "$out"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
fail() { echo "FAIL: $*" >&2; exit 1; }

# A display number no X server listens on.
free=9999
while [ -e "/tmp/.X11-unix/X$free" ]; do free=$((free - 1)); done

cannot_open() {
  local why=$1 status=0
  shift
  timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$@" "$bin/lunevar" 2>"$out/stderr" || status=$?
  [ "$status" -eq 1 ] || fail "$why: status $status (124: still running after 10 s)"
  [ "$(wc -l <"$out/stderr")" -eq 1 ] || fail "$why: not one line on stderr: $(cat "$out/stderr")"
  grep -q "^lunevar: cannot open a window (no display): " "$out/stderr" || fail "$why: $(cat "$out/stderr")"
  echo "$why: $(cat "$out/stderr")"
}
cannot_open "no DISPLAY"
cannot_open "no X server at the DISPLAY" DISPLAY=":$free"
# The Wayland client library has its own line to say about a missing runtime folder.
cannot_open "a Wayland display with no runtime folder" -u XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-0

# SDL_VIDEODRIVER is honoured: its window-less driver runs the program, waiting for keys.
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=dummy "$bin/lunevar" 2>"$out/stderr-dummy" &
pid=$!
sleep 1
kill -0 "$pid" 2>/dev/null || fail "SDL_VIDEODRIVER=dummy: the program ended: $(cat "$out/stderr-dummy")"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "ok: no display"
