#!/usr/bin/env bash
# Installs what the build needs (Debian packages), then configures and builds
# the program, its tests and benchmarks into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build libgtest-dev libbenchmark-dev qt6-base-dev
          fonts-dejavu-core fonts-liberation fonts-liberation2 fonts-crosextra-carlito fonts-inconsolata
          fonts-wine xvfb xauth poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
