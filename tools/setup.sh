#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and run the game.
# Quick when everything is present: it only asks dpkg.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libsimpleini-dev
  libsdl2-dev libsdl2-mixer-dev libgl-dev libgl1-mesa-dri libglx-mesa0 libegl-mesa0 xdg-utils
  libjpeg62-turbo-dev libgif-dev
  librsvg2-dev libcairo2-dev libfreetype-dev fonts-dejavu-core fonts-paratype
  libasio-dev
  xvfb x11-utils
  dpkg-dev file desktop-file-utils appstream lintian
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

install_cmd="apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages. Run as root:" >&2
  echo "  apt-get update && $install_cmd" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
$install_cmd
