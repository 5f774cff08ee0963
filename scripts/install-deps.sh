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
  libexpat1-dev libcli11-dev libsodium-dev libofx-dev nlohmann-json3-dev
  locales qt6-translations-l10n poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# The tests also run under a Dutch locale (decimal comma).
heeft_nl_locale() { locale -a 2>/dev/null | grep -qi '^nl_NL\.utf-\?8$'; }

if [ ${#missing[@]} -eq 0 ] && heeft_nl_locale; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installeren: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq "${missing[@]}" </dev/null
fi

if ! heeft_nl_locale; then
  echo "Locale nl_NL.UTF-8 aanmaken"
  if [ -f /etc/locale.gen ]; then
    $sudo sed -i 's/^# *nl_NL.UTF-8 UTF-8/nl_NL.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^nl_NL.UTF-8 UTF-8' /etc/locale.gen || echo 'nl_NL.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen >/dev/null
fi
