#!/usr/bin/env bash
# Installs what the project needs to build and test, from Debian's packages.
# Installs nothing when everything is already there.
set -euo pipefail

packages=(
  cmake g++ clang libclang-rt-14-dev make
  libgtest-dev googletest libbenchmark-dev libcli11-dev
  libfreetype-dev libpng-dev fonts-liberation2
  fpc
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
