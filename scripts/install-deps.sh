#!/usr/bin/env bash
# Installs every Debian package that building, testing and running qbx needs; skips what is present.
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build ccache pkg-config clang
  qt6-base-dev qt6-svg-dev libqt6opengl6-dev libgl-dev
  libjpeg-dev zlib1g-dev libcsv-dev libqpdf-dev
  poppler-utils qpdf libzxing-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fontconfig fonts-liberation2 fonts-dejavu-core
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages are present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  sudo=sudo
else
  sudo=
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
