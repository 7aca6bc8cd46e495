#!/usr/bin/env bash
# The real-window test of one program: under its own Xvfb, the program shows its heading,
# survives a tiny window, repaints when shown again, ends with status 0 when its window is
# closed, and ends from its main menu (Osvatine after its first screen, its discussion screen and its tangent screen).
# usage: window_test.sh BIN_DIR X11PROBE PROGRAM TITLE OUT_DIR
set -euo pipefail
bin=$1 probe=$2 program=$3 title=$4 out=$5
source "$(dirname "$0")/xvfb_lib.sh"

start() {
  "$bin/$program" 2>>"$out/$program.stderr" &
  prog_pid=$!
  wid=$(timeout 10 xdotool search --sync --onlyvisible --name "^$title\$" | head -1) || fail "no window titled $title"
}

# Whether the pixel of the screenshot at the given gravity is the page colour (white).
page_colour_at() {
  [ "$(convert "$2" -gravity "$1" -crop 1x1+0+0 -format '%[fx:255*(r+g+b)]' info:)" = 765 ]
}

# Whether the page below the heading band is painted: every main menu is a dark panel over
# most of the page, with the page colour in the bottom corner.
painted_below() {
  local shot=$2
  page_colour_at SouthEast "$shot"
}

# Waits until the top band of the window holds the dark pixels of the heading and the page
# below it is painted (a window not yet painted is black all over).
see_heading() {
  local shot=$1 dark=0 below=0
  for _ in $(seq 50); do
    read -r dark below < <("$probe" shot "$wid" "$out/$shot" 0.12) || fail "no screenshot"
    [ "$dark" -ge 150 ] && painted_below "$below" "$out/$shot" && return 0
    sleep 0.1
  done
  fail "$shot: $dark dark pixels in the heading band, $below below it"
}

# Waits until an answer screen has opened: its caption and number boxes in the top band, the
# page colour where the menu's panel stood.
see_answer_opening() {
  local shot=$1 dark=0 below=0
  for _ in $(seq 50); do
    read -r dark below < <("$probe" shot "$wid" "$out/$shot" 0.12) || fail "no screenshot"
    [ "$dark" -ge 150 ] && page_colour_at Center "$out/$shot" && return 0
    sleep 0.1
  done
  fail "$shot: no caption box over a blank page ($dark dark pixels in the top band)"
}

# Waits until the figure half of the page (the right half) shows the colour-3 arcs of the
# second set's answer 1 (dark magenta, the number box's colour, which stands in the left half).
see_coloured_arc() {
  local shot=$1 count=0
  for _ in $(seq 50); do
    "$probe" shot "$wid" "$out/$shot" 0.12 >/dev/null || fail "no screenshot"
    count=$(convert "$out/$shot" -gravity East -crop 50%x100%+0+0 +repage -fuzz 8% -fill black \
      +opaque '#6e1e78' -fill white -opaque '#6e1e78' -format '%[fx:round(mean*w*h)]' info:)
    [ "$count" -ge 200 ] && return 0
    sleep 0.1
  done
  fail "$shot: $count pixels of the arcs' colour in the figure half"
}

# Waits for the program to end and checks its status.
ends_with_zero() {
  local status=0
  for _ in $(seq 100); do kill -0 "$prog_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$prog_pid" 2>/dev/null && fail "$program did not end: $1"
  wait "$prog_pid" || status=$?
  prog_pid=""
  [ "$status" -eq 0 ] || fail "$program ended with status $status: $1"
}

start
see_heading "$program-start.png"
# A tiny window, then a small one: the page is drawn again, scaled, from what was kept.
xdotool windowsize "$wid" 1 1
sleep 0.3
kill -0 "$prog_pid" || fail "$program died in a 1x1 window"
xdotool windowsize "$wid" 640 400
see_heading "$program-small.png"
# Hidden and shown again (as minimising does): the server keeps no copy, the program repaints.
xdotool windowunmap --sync "$wid"
sleep 0.3
xdotool windowmap --sync "$wid"
see_heading "$program-shown-again.png"
"$probe" close "$wid"
ends_with_zero "window closed"

start
see_heading "$program-again.png"
xdotool windowfocus --sync "$wid"
case $program in
  lunevar) xdotool key --delay 60 8 Return; ends_with_zero "8 chosen at the main menu" ;;
  osvatine)
    # The ship problem: the map first, then one key shows the ship's dot on (852, 184), in the sea.
    source "$(dirname "$0")/page_pixels_lib.sh"
    xdotool key --delay 60 1 Return
    wait_colour goal.png 1150 500 "$(white)" yes
    xdotool key --delay 60 1 Return
    wait_colour ship-map.png 1150 500 "$(white)" no
    read -r sx sy < <(to_window 852 184)
    sea=$(pixel "$out/ship-map.png" "$sx" "$sy")
    xdotool key a
    wait_colour ship.png 852 184 "$sea" no
    # The discussion screen stepped through: its last key marks the constructed P in colour 5
    # (teal) on (991, 340), over line BD.
    xdotool key --delay 60 b c 6 Return a a a a a a a a a a a a a
    wait_colour discussion.png 991 340 "$(convert xc:'#005f6b' -format '%[pixel:p{0,0}]' info:)" yes
    xdotool key --delay 60 7 Return
    sleep 0.5
    # Item 2's tangent screen stepped through: the tangent through P in colour 3 (purple) on
    # (900, 236); then back to the main menu and out.
    xdotool key --delay 60 2 Return 1 Return a a a a a a a a a a a a a a a a
    wait_colour tangents.png 900 236 "$(convert xc:'#6e1e78' -format '%[pixel:p{0,0}]' info:)" yes
    xdotool key --delay 60 6 Return
    sleep 0.5
    xdotool key --delay 60 3 Return
    ends_with_zero "3 chosen at the main menu" ;;
  pendrel)
    # The first set's answer 1, stepped through to its choice line, then back and out.
    xdotool key --delay 60 1 Return 1 Return
    see_answer_opening "$program-answer1.png"
    xdotool key --delay 60 a a a a a a a a a a a a a a a 6 Return 3 Return
    ends_with_zero "answer 1 stepped through, 6 and 3 chosen" ;;
  *) xdotool key x; ends_with_zero "key pressed at the placeholder menu" ;;
esac
if [ "$program" = pendrel ]; then
  # The second set's answer 1: its coloured arcs, stepped through to its choice line, then back
  # to the main menu and out.
  start
  see_heading "$program-third.png"
  xdotool windowfocus --sync "$wid"
  xdotool key --delay 60 2 Return 1 Return
  see_coloured_arc "$program-set2-answer1.png"
  xdotool key --delay 60 a a a a a a 1 0 Return 3 Return
  ends_with_zero "set 2's answer 1 stepped through, 10 and 3 chosen"
fi
echo "ok: $program"
