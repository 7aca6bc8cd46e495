#!/usr/bin/env bash
# Records again the drawing of the screens named (or of every screen with --all) into
# tests/golden/recorded/, after building the replay tool, and says which ones changed. Use it
# only for a deliberate change to a screen, and commit its recordings with that change.
# usage: scripts/record-screens.sh SCREEN... | --all     (screens: tests/golden/screens.txt)
set -euo pipefail
cd "$(dirname "$0")/.."
golden=tests/golden
. "$golden/screens_lib.sh"
if [ $# -eq 0 ]; then
  echo "usage: scripts/record-screens.sh SCREEN... | --all   (screens are listed in $golden/screens.txt)" >&2
  exit 2
fi
if [ "$1" = "--all" ]; then
  mapfile -t names < <(screen_names "$golden/screens.txt")
else
  names=("$@")
fi
for name in "${names[@]}"; do screen_row "$golden/screens.txt" "$name" >/dev/null || exit 2; done

[ -d build ] || scripts/build.sh build
cmake --build build --target replay -j"$(nproc)" >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for name in "${names[@]}"; do
  draw_screen build/bin/replay "$golden/screens.txt" "$name" "$tmp/ops.jsonl"
  file=$golden/recorded/$name.ops.gz
  if [ ! -f "$file" ]; then
    echo "new:       $name"
  elif gzip -dc "$file" | cmp -s - "$tmp/ops.jsonl"; then
    echo "unchanged: $name"
    continue
  else
    echo "changed:   $name"
  fi
  gzip -9n < "$tmp/ops.jsonl" > "$file"
done
