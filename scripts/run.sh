#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh --x11
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [[ -x build/src/app/corbelwright ]]; then
    exec build/src/app/corbelwright "$@"
fi
exec build/src/cli/corbelwright-calc loan --amount 100000 --rate 6 --years 30
