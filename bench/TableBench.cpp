// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include "LongestLoan.h"
#include "calc/LoanGrid.h"
#include "calc/LoanSchedule.h"

namespace {

using namespace corbel;

const LoanTerms LongestLoan = bench::LongestLoan();

void BM_ScheduleLongestByPeriod(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeSchedule(LongestLoan, ScheduleDisplay::ByPeriod));
    }
    state.counters["rows"] =
        static_cast<double>(ComputeSchedule(LongestLoan, ScheduleDisplay::ByPeriod).rows.size());
}
BENCHMARK(BM_ScheduleLongestByPeriod)->Unit(benchmark::kMillisecond);

void BM_ScheduleLongestByYear(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeSchedule(LongestLoan, ScheduleDisplay::ByYear));
    }
}
BENCHMARK(BM_ScheduleLongestByYear)->Unit(benchmark::kMillisecond);

// The largest grid: the half-count bound of 999 gives 1,999 amount rows of 7 repayments.
void BM_GridLargest(benchmark::State& state) {
    const LoanTerms loan{999999999,
                         6,
                         50,
                         12,
                         PaymentFrequency::Monthly,
                         PaymentFrequency::Quarterly,
                         PaymentTiming::InAdvance};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeLoanGrid(loan, 1000, 0.1));
    }
}
BENCHMARK(BM_GridLargest)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
