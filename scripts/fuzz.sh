#!/usr/bin/env bash
# Builds the saved loan file fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs it for a bounded time
# over the starting files in fuzz/corpus/. New inputs go to build-fuzz/corpus/, and
# a crashing input to build-fuzz/crash-*.
# Usage: scripts/fuzz.sh [seconds]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/setup-debian.sh --fuzz
CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 --target saved_loan_fuzz
mkdir -p build-fuzz/corpus
exec build-fuzz/saved_loan_fuzz -max_total_time="$seconds" -max_len=4096 \
    -dict=fuzz/saved_loan.dict -artifact_prefix=build-fuzz/ -print_final_stats=1 \
    build-fuzz/corpus fuzz/corpus
