#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks and builds the given targets
# (everything when none is given). Quick when everything is already there.
# The build runs as many jobs as CMAKE_BUILD_PARALLEL_LEVEL says, else the
# build tool's own default (all cores).
set -euo pipefail
cd "$(dirname "$0")/.."

# The fonts have the widths of the ones pages name (Times New Roman, Arial,
# Courier New, Calibri, Cambria); fontconfig draws those names in them.
packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev libxcb1-dev
          gstreamer1.0-libav gstreamer1.0-plugins-ugly gstreamer1.0-plugins-good
          xdg-utils cups-client
          fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
fi

build_dir=${BUILD_DIR:-build}
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build_dir" "${targets[@]}"
