#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the icon's PNG sizes from its SVG after the drawing changes; the PNGs
# are kept in the repository so building needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
if ! command -v rsvg-convert >/dev/null; then
    echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2
    exit 1
fi
for size in 16 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" org.wendle.Corbelwright.svg \
        -o "${size}x${size}/org.wendle.Corbelwright.png"
done
