#!/usr/bin/env bash
# One screen drawn exactly as it was recorded: the screen's key script from screens.txt is
# replayed and its ops log compared with recorded/SCREEN.ops.gz. On a difference it names the
# screen and its keys and shows the first operations that differ, recorded and drawn.
# usage: screen_test.sh REPLAY SCREEN OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/screens_lib.sh"
replay=$1 name=$2 out=$3
mkdir -p "$out"
drawn=$out/$name.ops.jsonl recorded=$out/$name.recorded.jsonl
draw_screen "$replay" "$here/screens.txt" "$name" "$drawn"
gzip -dc "$here/recorded/$name.ops.gz" > "$recorded"
if cmp -s "$recorded" "$drawn"; then
  rm -f "$recorded" "$drawn"
  exit 0
fi
echo "screen $name ($screen_program ${screen_options[*]}) no longer draws what was recorded"
echo "keys: $screen_keys"
awk -v rec="$recorded" '
  BEGIN { while ((getline line < rec) > 0) r[++nr] = line }
  { d[NR] = $0 }
  END {
    nd = NR; first = 0
    for (i = 1; i <= (nr > nd ? nr : nd); i++) if (!(i in r) || !(i in d) || r[i] != d[i]) { first = i; break }
    printf "first difference at operation %d of %d recorded, %d drawn:\n", first, nr, nd
    for (i = (first > 2 ? first - 2 : 1); i < first; i++) printf "  both     %5d: %s\n", i, r[i]
    for (i = first; i <= first + 2; i++) {
      if (i in r) printf "  recorded %5d: %s\n", i, r[i]
      if (i in d) printf "  drawn    %5d: %s\n", i, d[i]
    }
  }' "$drawn"
echo "(both logs kept in $out; re-record only a deliberate change: scripts/record-screens.sh $name)"
exit 1
