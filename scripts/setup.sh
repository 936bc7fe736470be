#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need; does nothing when
# all of them are there already.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-serialport-dev libgl-dev libgtest-dev fonts-liberation2
          libqt6serialport6 iproute2)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=""
  [[ $(id -u) -ne 0 ]] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
