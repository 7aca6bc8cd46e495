#!/usr/bin/env bash
# Installs what is missing, builds, and opens one lesson program.
# usage: scripts/run.sh lunevar|pendrel|osvatine
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  lunevar | pendrel | osvatine) program=$1 ;;
  *) echo "usage: scripts/run.sh lunevar|pendrel|osvatine" >&2; exit 2 ;;
esac
scripts/install-deps.sh
scripts/build.sh build >/dev/null
exec build/bin/"$program"
