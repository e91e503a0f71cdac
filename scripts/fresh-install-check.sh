#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian package on a freshly bootstrapped Debian 12 (minbase, in a
# folder, through chroot), then starts the program from its desktop entry on a
# virtual X display and checks that the main window appears. Needs root, the
# network to deb.debian.org, debootstrap and Xvfb; takes a few minutes.
# Usage: scripts/fresh-install-check.sh PACKAGE.deb [ROOT_DIR] [SCREENSHOT]
set -euo pipefail
package=$(realpath "$1")
root=$(realpath -m "${2:-/var/tmp/corbelwright-fresh}")
shot=$(realpath -m "${3:-fresh-install.png}")
display=:77

command -v debootstrap >/dev/null || apt-get install -y -q debootstrap
command -v Xvfb >/dev/null && command -v xdpyinfo >/dev/null && command -v xdotool >/dev/null &&
    command -v import >/dev/null || apt-get install -y -q xvfb x11-utils xdotool imagemagick

mounted=()
xvfb=
# Ends what this script started, by process id: Xvfb, and whatever still runs
# inside the bootstrapped system (the program, if its window never showed).
cleanup() {
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    for proc in /proc/[0-9]*; do
        [[ $(readlink "$proc/root" 2>/dev/null) == "$root" ]] && kill "${proc#/proc/}" 2>/dev/null
    done
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[i]}" || true; done
}
trap cleanup EXIT
bind() {
    mkdir -p "$root/$2"
    mount "${@:3}" "$1" "$root/$2"
    mounted+=("$root/$2")
}

if [[ ! -x $root/usr/bin/apt-get ]]; then
    rm -rf "$root"
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cp /etc/resolv.conf "$root/etc/"
cp "$package" "$root/tmp/"
bind proc proc -t proc
bind /dev dev --bind
chroot "$root" env DEBIAN_FRONTEND=noninteractive bash -c \
    "apt-get update -q && apt-get install -y -q /tmp/$(basename "$package")"

Xvfb $display -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do
    xdpyinfo -display $display >/dev/null 2>&1 && break
    sleep 0.2
done
bind /tmp/.X11-unix tmp/.X11-unix --bind
# gtk-launch starts the entry's Exec line as a desktop's launcher would, in a
# runtime folder as private as a desktop session's.
install -d -m 0700 "$root/run/user/0"
chroot "$root" env DISPLAY=$display HOME=/root XDG_RUNTIME_DIR=/run/user/0 \
    gtk-launch org.wendle.Corbelwright
for _ in $(seq 50); do
    window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Corbelwright' 2>/dev/null | head -n 1) || true
    [[ -n $window ]] && break
    sleep 0.2
done
sleep 1
DISPLAY=$display import -window root "$shot"
[[ -n $window ]] && title=$(DISPLAY=$display xdotool getwindowname "$window")
[[ -n $window ]] && kill "$(DISPLAY=$display xdotool getwindowpid "$window")"
[[ -n $window ]] || { echo "fresh install: no Corbelwright window appeared" >&2; exit 1; }
echo "fresh install: '$title' started from the desktop entry; screenshot $shot"
chroot "$root" corbelwright-calc --version
