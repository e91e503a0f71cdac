#!/usr/bin/env bash
# Installs what building and testing need on Debian 12; does nothing when all is there.
# Usage: scripts/setup-debian.sh [--x11 | --fuzz]
#   --x11 adds what running under Xvfb needs, --fuzz the clang fuzzing tool chain.
set -euo pipefail

packages=(g++ make cmake qt6-base-dev qt6-charts-dev libqt6opengl6-dev
          libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev fonts-liberation poppler-utils locales
          desktop-file-utils appstream shared-mime-info dpkg-dev
          file)
case "${1:-}" in
    --x11) packages+=(xvfb xauth xdotool imagemagick) ;;
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
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run number texts under a decimal-comma C locale as a desktop might.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    if [[ $(id -u) -ne 0 ]]; then
        echo "The de_DE.UTF-8 locale is missing (one test needs it); run this script as root to make it." >&2
    else
        localedef -i de_DE -f UTF-8 de_DE.UTF-8
    fi
fi
