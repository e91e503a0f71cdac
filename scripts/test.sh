#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds everything and runs every test through ctest;
# with CW_LONG_TESTS=1 also the long ones (label "long").
# Usage: [CW_LONG_TESTS=1] scripts/test.sh [BUILD_DIR] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true
scripts/setup-debian.sh
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCW_WERROR=ON "$@"
cmake --build "$build_dir" -j"$(nproc)"
cd "$build_dir"
# Window tests run on the offscreen platform; no display is needed.
ctest --output-on-failure -j"$(nproc)"
# The long comparisons (ctest label "long", a minute or two) only when asked;
# CI asks.
if [[ ${CW_LONG_TESTS:-0} == 1 ]]; then
    ctest --output-on-failure -C long -L long
fi
