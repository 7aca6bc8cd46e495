#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the lesson programs need,
# only those missing (with sudo when not root).
set -euo pipefail
pkgs=(build-essential cmake pkg-config libsdl2-dev libcairo2-dev libpango1.0-dev libx11-dev
      fonts-ipafont-gothic fonts-liberation2 libgtest-dev xvfb xdotool x11-utils imagemagick)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]})) || exit 0
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "install-deps: not root and no sudo; install as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
