# Shared by the real-window tests (sourced, not run): where a page point lies in the window, the
# colour of a pixel of a screenshot, and waiting for a page point to take or lose a colour.
# Expects $wid (the window), $probe (x11probe) and $out (the output folder) to be set.

# Where a page point lies in the window: the page is scaled to fit with its aspect kept.
to_window() {
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$1" -v y="$2" 'BEGIN {
    s = w / 1440; if (h / 900 < s) s = h / 900
    printf "%d %d\n", (w - 1440 * s) / 2 + x * s, (h - 900 * s) / 2 + y * s }'
}
# The colour of one pixel of a screenshot, as ImageMagick names it.
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
shot() { "$probe" shot "$wid" "$out/$1" 0.1 >/dev/null || fail "no screenshot"; }
white() { convert xc:white -format "%[pixel:p{0,0}]" info:; }

# Waits until the pixel at page point (x, y) has (want=yes) or has not (want=no) the colour.
wait_colour() {
  local name=$1 x y colour=$4 want=$5 got
  read -r x y < <(to_window "$2" "$3")
  for _ in $(seq 50); do
    shot "$name"
    got=$(pixel "$out/$name" "$x" "$y")
    if [ "$want" = yes ] && [ "$got" = "$colour" ]; then return 0; fi
    if [ "$want" = no ] && [ "$got" != "$colour" ]; then return 0; fi
    sleep 0.1
  done
  fail "$name: pixel at page ($2, $3) is $got"
}
