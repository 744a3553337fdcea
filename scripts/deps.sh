#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need (only what is missing).
set -euo pipefail
pkgs=(cmake g++ make qt6-base-dev qt6-charts-dev libqt6sql6-sqlite libgl1-mesa-dev
      fonts-noto-cjk libbenchmark-dev xvfb xauth)
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
