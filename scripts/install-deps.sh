#!/usr/bin/env bash
# Installs, as root on Debian, whatever the build, the game and the tests need
# and is not there yet. Safe to run again: it only installs what is missing.
set -euo pipefail

# qt6-base-private-dev: the board test queues mouse input as the window system
# does. pulseaudio: a silent sound server, so that the sound tests play for real.
# dpkg-dev and file: cpack finds the Debian package's dependencies with them;
# desktop-file-utils and appstream validate the desktop entry and its metainfo.
packages=(
    build-essential cmake pkg-config dpkg-dev file desktop-file-utils appstream
    qt6-base-dev qt6-base-private-dev qt6-multimedia-dev libqt6multimedia6 libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core
    pulseaudio pulseaudio-utils python3
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
