#!/usr/bin/env bash
# A seeded random-key run of one program through the replay tool: whatever is typed, the
# program ends with status 0, never on the error screen (and under the sanitizers with no memory
# or undefined-behaviour fault). When the program ends by its menu before the keys are used up,
# it is started again on the keys left, so the run goes deep: it must take at least 95 % of its
# keys and enter every item of the main menu (the last one by ending the program), or it fails.
# usage: random_keys.sh REPLAY PROGRAM SEED [KEYS]   (KEEP=1 keeps the runs' ops logs in /tmp)
set -euo pipefail
replay=$1 program=$2 seed=$3 count=${4:-4000}

# Each item of the main menu by a text that only its own screens draw.
case $program in
  lunevar) items=("1=①操作　②角度表示" "2=①直径問" "3=①練習　②問１" "4=①導入課題" "5=①～④解答"
                  "6=①ひろげよう" "7=入力７＜Lunevar　メニュー＞") ;;
  pendrel) items=("1=Ｐ１７６（学びをたしかめよう）" "2=Ｐ１７８（学びを身につけよう）") ;;
  osvatine) items=("1=<めあて>船の位置を作図でみつけよう。" "2=①Ｐ１７３説明しよう") ;;
  *) echo "unknown program $program" >&2; exit 2 ;;
esac

# Weighted so that menus are entered often: single keys (digits and Enter most), and whole
# choices, a number with its Enter, as a pupil types them.
pool=(0 1 1 2 2 3 3 4 5 6 7 8 9 1 2 3 {Enter} {Enter} {Enter} {Enter} {Enter} {Enter}
      {Right} {Left} {Up} {Down} {Backspace} {Delete} {Esc} {Idle} - . / a x ' '
      1{Enter} 1{Enter} 2{Enter} 3{Enter} 4{Enter} 5{Enter} 6{Enter} 7{Enter} 8{Enter} 9{Enter} 10{Enter}
      1{Enter} 2{Enter} 3{Enter} 4{Enter} 5{Enter} 6{Enter} 7{Enter} 8{Enter} 9{Enter} 10{Enter})
state=$seed pick=0
next() {  # a fixed linear congruential generator, so a seed gives the same keys everywhere
  state=$(( (state * 1103515245 + 12345) % 2147483648 ))
  pick=$(( (state >> 8) % $1 ))
}
keys=()  # one key an element
while ((${#keys[@]} < count)); do
  next ${#pool[@]}
  token=${pool[$pick]}
  while [[ -n $token && ${#keys[@]} -lt $count ]]; do
    [[ $token =~ ^(\{[A-Za-z]+\}|.)(.*)$ ]]
    keys+=("${BASH_REMATCH[1]}")
    token=${BASH_REMATCH[2]}
  done
done
next 24; h=$pick
next 60; m=$pick
next 60; s=$pick
time=$(printf '%02d:%02d:%02d' "$h" "$m" "$s")

out=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$out"' EXIT
fail() {
  echo "FAIL: $program, seed $seed, time $time: $1" >&2
  local all
  printf -v all '%s' "${keys[@]}"
  echo "keys: $all" >&2
  exit 1
}

taken=0 runs=0 ends=0
while ((taken < count)); do
  printf -v rest '%s' "${keys[@]:taken}"
  status=0
  "$replay" "$program" --time "$time" --keys "$rest" --ops "$out/ops.$runs" --keys-taken "$out/taken" || status=$?
  [ "$status" -eq 0 ] || fail "status $status in run $((runs + 1))"
  grep -q 'エラーが発生しました' "$out/ops.$runs" && fail "the error screen in run $((runs + 1))"
  read -r now < "$out/taken"
  runs=$((runs + 1))
  ((now > 0)) || break
  taken=$((taken + now))
  ((taken < count)) && ends=$((ends + 1))  # ended by its menu with keys left: start again
done

# The texts drawn, glyph after glyph, over every run.
drawn=$(cat "$out"/ops.* | sed -n 's/^{"op":"text","text":"\(\([^"\\]\|\\.\)*\)".*/\1/p' | tr -d '\n')
missing=()
for item in "${items[@]}"; do
  [[ $drawn == *"${item#*=}"* ]] || missing+=("${item%%=*}")
done
((ends > 0)) || missing+=("the last (ending the program)")
((taken * 100 >= count * 95)) || fail "only $taken of $count keys taken"
((${#missing[@]} == 0)) || fail "main-menu items never entered: ${missing[*]}"
echo "ok: $program seed $seed: $taken of $count keys taken in $runs runs, every main-menu item entered"
