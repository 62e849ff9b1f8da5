#!/usr/bin/env bash
# Installs every package Tavrik needs to build, test and run on Debian 12.
# Quick when everything is present: apt-get runs only for missing packages.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
  libicu-dev libxcb1-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk xvfb xauth x11-utils imagemagick xdotool bc poppler-utils
  qt6-translations-l10n
  dbus-daemon at-spi2-core python3-pyatspi orca speech-dispatcher
  openbox trayer xcompmgr
  desktop-file-utils appstream dpkg-dev file fakeroot lintian
  # the start-up comparison tool that bench/startup_vs_qt.sh runs
  libx11-dev libxdamage-dev
  # the peers and the light and dark palettes of scripts/compare-screenshots.sh
  galculator speedcrunch qt5ct qt6ct
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
