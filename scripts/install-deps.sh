#!/usr/bin/env bash
# Installs what building, running and testing the lesson programs needs (Debian packages).
set -euo pipefail
pkgs=(build-essential cmake pkg-config libsdl2-dev libcairo2-dev libpango1.0-dev
      fonts-ipafont-gothic fonts-liberation2 libgtest-dev libbenchmark-dev
      xvfb xdotool x11-utils imagemagick python3)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
