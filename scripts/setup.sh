#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Corvatek need, when missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
    fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev
    xdg-utils
)
if [ "${CORVATEK_BENCH:-0}" = 1 ]; then
    packages+=(libfann-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
