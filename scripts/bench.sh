#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the benchmarks (RelWithDebInfo) and runs them with repetitions, then
# prints one table: each benchmark's median wall time (and peak memory where it
# is measured) against its target.
#
#   bash scripts/bench.sh                 # build in build-bench, 5 repetitions
#   BUILD_DIR=build REPETITIONS=9 bash scripts/bench.sh
#   FILTER=Schedule bash scripts/bench.sh # only the benchmarks whose name matches
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build-bench}
repetitions=${REPETITIONS:-5}
filter=${FILTER:-.}
benches=(calc_bench table_bench window_bench report_bench process_bench)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCW_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j2 --target "${benches[@]}" >/dev/null

# Targets: "binary/benchmark  time_ms  peak_MB" (- where there is none). A
# window action is drawn within one frame (16 ms); the command line makes its
# longest schedule at least 50 times as fast as a spreadsheet (1.2 s).
targets="
window_bench/BM_ScheduleLongestByPeriodPainted 16    80
window_bench/BM_GridLargest                    16    -
window_bench/BM_InterestSolve                  16    -
window_bench/BM_TermReductionTable             16    -
calc_bench/BM_TermReductionTableSmallDaily     16    -
report_bench/BM_LongestSchedulePdf             5000  -
process_bench/BM_CalcScheduleLongestJson       24    30
process_bench/BM_CalcScheduleLongestText       24    30
process_bench/BM_AppStartup                    300   -
"

results=$(mktemp)
trap 'rm -f "$results"' EXIT
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8
for bench in "${benches[@]}"; do
    # Console lines: "BM_x_median  1.46 ms  1.45 ms  5 peak_MB=39.6 rows=18.615k".
    "$build/bench/$bench" --benchmark_filter="$filter" --benchmark_repetitions="$repetitions" \
        --benchmark_report_aggregates_only=true --benchmark_color=false 2>/dev/null |
        awk -v bench="$bench" '
            $1 ~ /_median$/ {
                name = $1; sub(/_median$/, "", name); sub(/\/(manual|real)_time$/, "", name)
                scale = $3 == "ns" ? 1e-6 : $3 == "us" ? 1e-3 : $3 == "s" ? 1e3 : 1
                peak = "-"
                for (k = 7; k <= NF; ++k) if ($k ~ /^peak_MB=/) { peak = $k; sub(/^peak_MB=/, "", peak) }
                printf "%s/%s %.6g %s\n", bench, name, $2 * scale, peak
            }' >>"$results" || echo "$bench did not finish" >&2
done

awk -v targets="$targets" '
    BEGIN {
        n = split(targets, lines, "\n")
        for (k = 1; k <= n; ++k) if (split(lines[k], f, " ") == 3) { time[f[1]] = f[2]; peak[f[1]] = f[3] }
        printf "%-48s %12s %10s %9s %9s  %s\n", "benchmark", "median ms", "target ms", "peak MB", "target MB", "verdict"
    }
    {
        t = ($1 in time) ? time[$1] : "-"; p = ($1 in peak) ? peak[$1] : "-"
        verdict = ""
        if (t != "-") verdict = ($2 + 0 < t + 0) ? "met" : "MISSED"
        if (p != "-" && $3 != "-" && $3 + 0 >= p + 0) verdict = "MISSED (memory)"
        printf "%-48s %12.4g %10s %9s %9s  %s\n", $1, $2, t, $3, p, verdict
    }' "$results"
