# Shared by the screen test and the recording script: reading a screen's row of screens.txt
# and drawing it with the replay tool. Source it; it uses no global state but what it sets.

# The row of screen $2 in the list $1: sets screen_program, screen_options (an array) and
# screen_keys; fails with a message when the list has no such screen.
screen_row() {
  local list=$1 want=$2 name program setting keys
  while read -r name program setting keys; do
    [ "$name" = "$want" ] || continue
    screen_program=$program
    screen_keys=$keys
    screen_options=(--time "${setting%%,*}")
    case $setting in *,rnd=*) screen_options+=(--rnd "${setting#*,rnd=}") ;; esac
    return 0
  done < <(grep -v '^[[:space:]]*\(#\|$\)' "$list")
  echo "no screen named $want in $list" >&2
  return 1
}

# Every screen named in the list $1, one a line.
screen_names() {
  grep -v '^[[:space:]]*\(#\|$\)' "$1" | awk '{print $1}'
}

# Draws screen $3 of list $2 with the replay tool $1 into the ops log $4.
draw_screen() {
  local replay=$1 list=$2 name=$3 out=$4
  screen_row "$list" "$name" || return 1
  "$replay" "$screen_program" "${screen_options[@]}" --keys "$screen_keys" --ops "$out"
}
