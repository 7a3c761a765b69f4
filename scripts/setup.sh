#!/usr/bin/env bash
# Installs the Debian packages that building and testing Vorelan needs,
# skipping those already present.
set -euo pipefail

packages=(
  build-essential cmake
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev libgl-dev
  fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
