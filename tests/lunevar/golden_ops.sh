#!/usr/bin/env bash
# Item 1 drawn exactly as it was recorded: each key script in golden/ is replayed and its ops
# log must match the recorded one byte for byte (the menu, goal and intro, the explorer with
# both clamps, every sub-menu choice, the summary).
# usage: golden_ops.sh REPLAY_BINARY GOLDEN_DIR OUT_DIR
set -euo pipefail
replay=$1 golden=$2 out=$3
mkdir -p "$out"
status=0
for keys in "$golden"/*.keys; do
  name=$(basename "$keys" .keys)
  "$replay" lunevar --keys-file "$keys" --time 10:20:30 --ops "$out/$name.ops.jsonl"
  if ! cmp -s "$golden/$name.ops.jsonl" "$out/$name.ops.jsonl"; then
    echo "golden ops: $name differs from the recording:"
    diff "$golden/$name.ops.jsonl" "$out/$name.ops.jsonl" | head -20
    status=1
  fi
done
exit $status
