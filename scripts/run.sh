#!/usr/bin/env bash
# Installs what is missing, builds the program (only it) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh --x11
# Without a display the window cannot open; say what to do before building.
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display to show the window on: run 'xvfb-run -a bash scripts/run.sh' for a virtual one, or use corbelwright-calc ('cmake --build build --target corbelwright-calc'), which needs none." >&2
    exit 1
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target corbelwright
exec build/src/app/corbelwright "$@"
