#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds every fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for a bounded time
# over its starting files in fuzz/corpus-NAME/ (and its dictionary fuzz/NAME.dict
# if there is one). New inputs go to build-fuzz/corpus-NAME/, a crashing input
# to build-fuzz/NAME-crash-*. Stops at the first target that finds something.
# Usage: scripts/fuzz.sh [seconds each] [NAME...]   (default 60, every target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    targets=(saved_loan number_readers check_term cli_arguments)
fi
scripts/setup-debian.sh --fuzz
# A build folder configured from another source folder is configured afresh;
# the corpora it found stay.
if [[ -f build-fuzz/CMakeCache.txt ]] &&
    ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$PWD" build-fuzz/CMakeCache.txt; then
    rm -rf build-fuzz/CMakeCache.txt build-fuzz/CMakeFiles
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCW_FUZZ=ON \
    -DCW_WERROR=ON >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]/%/_fuzz}"

# The command-line target reads the system's regional format; pin it.
export LANG=C.UTF-8
summary=()
for name in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus-$name"
    dict=()
    [[ -f fuzz/$name.dict ]] && dict=(-dict="fuzz/$name.dict")
    log=build-fuzz/$name.log
    echo "== $name: $seconds s"
    if ! "build-fuzz/${name}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        "${dict[@]}" -artifact_prefix="build-fuzz/$name-" -print_final_stats=1 \
        "build-fuzz/corpus-$name" "fuzz/corpus-$name" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz: $name found a fault; the input is build-fuzz/$name-crash-* (log: $log)" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    summary+=("$name: $runs runs in $seconds s")
done
printf 'fuzz: %s\n' "${summary[@]}"
