#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the program (only it) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
# Without a display the window cannot open; say what to do before installing
# or building anything.
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]]; then
    virtual="'xvfb-run -a bash scripts/run.sh'"
    command -v xvfb-run >/dev/null || virtual+=" (after 'apt-get install xvfb xauth')"
    echo "No display to show the window on: run $virtual for a virtual one, or use corbelwright-calc, which needs none ('bash scripts/setup-debian.sh && cmake -S . -B build && cmake --build build --target corbelwright-calc')." >&2
    exit 1
fi
scripts/setup-debian.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target corbelwright
# Qt keeps its runtime files in XDG_RUNTIME_DIR, which a desktop session sets;
# without one (xvfb-run as root) the program gets a private folder of the build.
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
    export XDG_RUNTIME_DIR=$PWD/build/runtime
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 0700 "$XDG_RUNTIME_DIR"
fi
exec build/src/app/corbelwright "$@"
