#!/usr/bin/env bash
# Installs with apt-get exactly what building, testing, benchmarking and
# running the program need, and skips what is already present.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl1-mesa-dev
  libgtest-dev googletest libbenchmark-dev
  xvfb xauth fonts-dejavu-core imagemagick
  ledger
  clang libclang-rt-dev
  dpkg-dev desktop-file-utils libxml2-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installeren: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" </dev/null
