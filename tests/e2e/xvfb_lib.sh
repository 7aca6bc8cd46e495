# Shared by the real-window tests (sourced, not run): an Xvfb of their own on a free display,
# the clean-up of it and of the program under test, and the way a test fails.
# Expects $out (the test's output folder) to be set; sets DISPLAY, xvfb_pid and prog_pid.

# The display libraries keep memory they load and unload themselves; leaks are checked elsewhere.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
mkdir -p "$out"

xvfb_pid="" prog_pid=""
cleanup() {
  [ -n "$prog_pid" ] && kill "$prog_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Xvfb picks a free display itself and tells us its number.
dispfile=$(mktemp)
Xvfb -displayfd 4 -screen 0 1280x800x24 -nolisten tcp 4>"$dispfile" 2>"$out/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$dispfile" ] && break; sleep 0.1; done
[ -s "$dispfile" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$dispfile")"
rm -f "$dispfile"
