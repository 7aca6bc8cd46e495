#!/usr/bin/env bash
# The real-window test of Lunevar's interactive figure and first proof: under its own Xvfb, item 1
# is chosen, the introductory figure stepped through, the figure opened and P moved with an arrow
# key; then item 2's first proof, item 4's equal-arcs task and item 5's first answer are drawn
# and item 6's converse brings its circle (all checked on screenshots), and the program ended
# with 8 at the main menu.
# usage: lunevar_explorer_test.sh BIN_DIR X11PROBE OUT_DIR
set -euo pipefail
bin=$1 probe=$2 out=$3
source "$(dirname "$0")/xvfb_lib.sh"

"$bin/lunevar" 2>"$out/lunevar.stderr" &
prog_pid=$!
wid=$(timeout 10 xdotool search --sync --onlyvisible --name "^Lunevar\$" | head -1) || fail "no window titled Lunevar"
xdotool windowfocus --sync "$wid"

source "$(dirname "$0")/page_pixels_lib.sh"

# Item 1, the goal screen's key, the introductory figure's four keys, choice 1.
xdotool key --delay 60 1 Return a b c d e 1 Return
# P's dot opens on (603.87, 246.00), in the colour it keeps; the page there was white before.
read -r px py < <(to_window 604 246)
white=$(white)
wait_colour explorer-open.png 604 246 "$white" no
sleep 0.3
shot explorer-open.png
p_colour=$(pixel "$out/explorer-open.png" "$px" "$py")

# One key of the left and right pair moves P 10 degrees on, to (588.54, 278.86).
xdotool key Left
wait_colour explorer-moved.png 589 279 "$p_colour" yes
[ "$(pixel "$out/explorer-moved.png" "$px" "$py")" != "$p_colour" ] || fail "P is still drawn where it was"

# Back to the sub-menu, back to the main menu.
xdotool key --delay 60 Return 6 Return
sleep 0.5

# Item 2: its goal screen leaves page (235, 290) white; the diameter case's proof and the key
# of its first step put box ① there, in its fill colour as the replay tool draws it.
"$bin/replay" lunevar --keys "2{Enter}1{Enter}a" --png "$out/proof-replay.png" >/dev/null
fill=$(pixel "$out/proof-replay.png" 235 290)
[ "$fill" != "$white" ] || fail "the replayed proof has no box at (235, 290)"
xdotool key --delay 60 2 Return
wait_colour proof-goal.png 235 290 "$white" yes
xdotool key --delay 60 1 Return a
wait_colour proof-box.png 235 290 "$fill" yes

# 10 leaves the item.
xdotool key --delay 60 1 0 Return
sleep 0.5

# Item 4's equal-arcs task colours arc AB, through page (825.0, 490.9) at 230 degrees; its nine
# keys show the answers and 6 leaves the item. Item 5's first answer puts the banner "練習問題"
# in its fill colour at (46, 70); its three keys show the answer and 5 leaves the item.
"$bin/replay" lunevar --keys "4{Enter}1{Enter}" --png "$out/arcs-replay.png" >/dev/null
"$bin/replay" lunevar --keys "5{Enter}1{Enter}" --png "$out/practice-replay.png" >/dev/null
arc=$(pixel "$out/arcs-replay.png" 825 491)
banner=$(pixel "$out/practice-replay.png" 46 70)
[ "$arc" != "$white" ] && [ "$banner" != "$white" ] || fail "the replayed screens have no arc or banner there"
xdotool key --delay 60 4 Return 1 Return
wait_colour arcs-task.png 825 491 "$arc" yes
xdotool key --delay 60 a b c d e f g h i 6 Return
sleep 0.5
xdotool key --delay 60 5 Return 1 Return
wait_colour practice-answer.png 46 70 "$banner" yes
xdotool key --delay 60 a b c 5 Return
sleep 0.5

# Item 6, choice 3: figure 1's circle through (900, 200) comes only with the third key; the
# five keys left finish the screen, 6 leaves the item.
xdotool key --delay 60 6 Return 3 Return
wait_colour converse-statement.png 900 200 "$white" yes
xdotool key --delay 60 a b c
wait_colour converse-circle.png 900 200 "$white" no
xdotool key --delay 60 a b c d e 6 Return
sleep 0.5

# 8 ends the program.
xdotool key --delay 60 8 Return
status=0
for _ in $(seq 100); do kill -0 "$prog_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$prog_pid" 2>/dev/null && fail "lunevar did not end on 8"
wait "$prog_pid" || status=$?
prog_pid=""
[ "$status" -eq 0 ] || fail "lunevar ended with status $status"
echo "ok: lunevar explorer"
