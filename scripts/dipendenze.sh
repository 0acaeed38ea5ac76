#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, testing and running Spintaro need, when they are
# missing. Safe to run again: it does nothing when everything is there.
set -euo pipefail

pacchetti=(
    build-essential cmake pkg-config ccache
    qt6-base-dev qt6-svg-dev qt6-image-formats-plugins qt6-translations-l10n libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 fonts-dejavu-core
    xvfb xauth openbox xdotool x11-utils
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi
    clang-14 libclang-rt-14-dev clang-format clang-tidy
    desktop-file-utils shared-mime-info libxml2-utils file dpkg-dev
    libgif-dev cups printer-driver-cups-pdf poppler-utils librsvg2-bin debootstrap
    scdoc man-db lintian appstream python3
)

mancanti=()
for p in "${pacchetti[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        mancanti+=("$p")
    fi
done
[ ${#mancanti[@]} -eq 0 ] && exit 0

echo "Installo i pacchetti mancanti: ${mancanti[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
        sudo="sudo"
    else
        echo "Servono i permessi di root per installare: ${mancanti[*]}" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
