#!/usr/bin/env bash
# Installs what the project needs on Debian 12 (only what is missing, with sudo
# when not root), then configures and builds it in build/.
# Usage: tools/setup.sh [extra cmake options...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  # build
  build-essential cmake pkg-config
  # program
  libsdl2-dev libsdl2-ttf-dev libpng-dev libjpeg-dev zlib1g-dev libwxgtk3.2-dev
  libx11-dev libxext-dev libglib2.0-dev libfontconfig-dev fonts-liberation2 xdg-utils
  # tests, benchmarks, fuzzing
  libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool x11-utils
  gsettings-desktop-schemas python3 clang-14 libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=()
  ((EUID == 0)) || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$root/build" -j"$(nproc)"
