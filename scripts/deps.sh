#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Checks with dpkg first so that a machine that has everything returns at once.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql
  libqt6charts6-dev libqt6serialport6-dev libqt6opengl6-dev libgl-dev
  postgresql sqlite3
  libxlsxwriter-dev libzint-dev libcups2-dev libfreexl-dev libicu-dev
  fonts-noto-cjk xvfb xauth
  python3-xlrd python3-openpyxl poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
