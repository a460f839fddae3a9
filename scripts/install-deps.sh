#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Jotlet needs that are not installed yet.
# Usage: install-deps.sh run|test
set -euo pipefail

build=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libhunspell-dev hunspell-en-us libdtl-dev zlib1g-dev libgmime-3.0-dev libqt6sql6-sqlite
    libcanberra-dev libxcb1-dev fonts-comic-neue fonts-dejavu-core xdg-utils adwaita-icon-theme)
test=(libbenchmark-dev clang-format xvfb xauth openbox xdotool x11-utils x11-xserver-utils xclip poppler-utils
    cups printer-driver-cups-pdf weston xwayland qt6-wayland desktop-file-utils appstream libxml2-utils shared-mime-info
    libglib2.0-bin dpkg-dev lintian imagemagick man-db trayer dbus-daemon syncthing at-spi2-core python3-pyatspi
    build-essential debhelper autopkgtest reuse)

wanted=("${build[@]}")
if [ "${1:-run}" = test ]; then
    wanted+=("${test[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
