#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building and testing need on Debian 12; does nothing when all is there.
# Usage: scripts/setup-debian.sh [--x11 | --fuzz]
#   --x11 adds what the session under Xvfb needs (a window manager, the
#   accessibility bus and its Python client), --fuzz the clang fuzzing tool chain.
set -euo pipefail

packages=(g++ make cmake qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
          libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev fonts-liberation poppler-utils locales
          desktop-file-utils appstream shared-mime-info dpkg-dev)
# The Debian package and the licence check: cpack needs file; lintian judges
# the package and reuse the copyright and licence of every source file.
packages+=(file lintian reuse)
case "${1:-}" in
    --x11) packages+=(xvfb xauth xdotool imagemagick openbox dbus-daemon at-spi2-core python3-pyatspi) ;;
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    if [[ $(id -u) -ne 0 ]]; then
        echo "These packages are missing: ${missing[*]}" >&2
        echo "Run this script as root to install them." >&2
        exit 1
    fi
    # apt-get and dpkg talk a lot even when asked to be quiet; their log is
    # shown only when something fails.
    echo "Installing the missing Debian packages: ${missing[*]}"
    log=$(mktemp)
    trap 'rm -f "$log"' EXIT
    export DEBIAN_FRONTEND=noninteractive
    if ! { apt-get update -q && apt-get install -y -q --no-install-recommends "${missing[@]}"; } \
        >"$log" 2>&1; then
        cat "$log" >&2
        echo "setup-debian.sh: installing the packages failed; apt-get's log is above." >&2
        exit 1
    fi
fi

# The tests run number texts under a decimal-comma C locale as a desktop might.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    if [[ $(id -u) -ne 0 ]]; then
        echo "The de_DE.UTF-8 locale is missing (one test needs it); run this script as root to make it." >&2
    else
        localedef -i de_DE -f UTF-8 de_DE.UTF-8
    fi
fi
