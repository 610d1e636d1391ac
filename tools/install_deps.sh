#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Odraz need, when they are missing.
set -eu
packages=(
  build-essential cmake pkg-config
  liballegro4-dev          # the game library and its dat / pat2dat tools
  libgtest-dev libbenchmark-dev
  libfreetype-dev zlib1g-dev fonts-dejavu-core fonts-dejavu-extra   # the font generator and the contact sheet
  freepats                 # instrument patches for the software MIDI synthesizer
  xvfb xdotool x11-apps imagemagick python3   # smoke tests of the real binary
  dpkg-dev fakeroot desktop-file-utils appstream   # the .deb (make package) and checks of the installed files
  clang libclang-rt-14-dev valgrind            # fuzz targets (libFuzzer) and the memcheck session
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq || true
$sudo apt-get install -y -qq "${missing[@]}"
