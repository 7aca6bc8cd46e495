#!/usr/bin/env bash
# A seeded random-key run of one program through the replay tool: whatever is typed, the
# program ends with status 0, never on the error screen (and under the sanitizers with no memory
# or undefined-behaviour fault).
# usage: random_keys.sh REPLAY PROGRAM SEED [KEYS]
set -euo pipefail
replay=$1 program=$2 seed=$3 count=${4:-600}

# Weighted so that menus are entered often: digits and Enter most, then the other keys.
pool=(0 1 1 2 2 3 3 4 5 6 7 8 9 1 2 3 {Enter} {Enter} {Enter} {Enter} {Enter} {Enter}
      {Right} {Left} {Up} {Down} {Backspace} {Delete} {Esc} {Idle} - . / a x ' ')
state=$seed pick=0
next() {  # a fixed linear congruential generator, so a seed gives the same keys everywhere
  state=$(( (state * 1103515245 + 12345) % 2147483648 ))
  pick=$(( (state >> 8) % $1 ))
}
keys=""
for ((i = 0; i < count; i++)); do
  next ${#pool[@]}
  keys+=${pool[$pick]}
done
next 24; h=$pick
next 60; m=$pick
next 60; s=$pick
time=$(printf '%02d:%02d:%02d' "$h" "$m" "$s")

ops=$(mktemp)
trap 'rm -f "$ops"' EXIT
status=0
"$replay" "$program" --time "$time" --keys "$keys" --ops "$ops" || status=$?
why=""
[ "$status" -eq 0 ] || why="status $status"
grep -q 'エラーが発生しました' "$ops" && why="the error screen"
if [ -n "$why" ]; then
  echo "FAIL: $program, seed $seed, time $time: $why" >&2
  echo "keys: $keys" >&2
  exit 1
fi
echo "ok: $program seed $seed"
