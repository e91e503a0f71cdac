// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include "LongestLoan.h"
#include "calc/AdditionalPayments.h"
#include "calc/MortgageFunctions.h"
#include "calc/Rounding.h"

namespace {

using namespace corbel;

const LoanTerms LongestLoan = bench::LongestLoan(250000);

// One run over every period of the longest loan.
void BM_RunAmortisationLongest(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunAmortisation(LongestLoan));
    }
}
BENCHMARK(BM_RunAmortisationLongest)->Unit(benchmark::kMillisecond);

// The term-reduction table's arithmetic for the longest loan (the window's
// BM_TermReductionTable adds filling and drawing the table).
void BM_TermReductionTableLongest(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeTermReductionTable(LongestLoan));
    }
}
BENCHMARK(BM_TermReductionTableLongest)->Unit(benchmark::kMillisecond)->UseRealTime();

// The slowest term-reduction table found: a small daily loan compounded daily,
// whose rounded repayments clear nearly every row early, so that each such row
// runs its own periods (about 480,000 by their terms), each rounding an
// interest below a dollar.
void BM_TermReductionTableSmallDaily(benchmark::State& state) {
    const LoanTerms loan{1000,
                         4,
                         50,
                         365,
                         PaymentFrequency::Daily,
                         PaymentFrequency::Daily,
                         PaymentTiming::InAdvance};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeTermReductionTable(loan));
    }
}
BENCHMARK(BM_TermReductionTableSmallDaily)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RoundMoney(benchmark::State& state) {
    double v = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RoundMoney(v, 2));
        v += 0.01;
    }
}
BENCHMARK(BM_RoundMoney);

void BM_RoundMoneyByText(benchmark::State& state) {
    double v = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RoundMoneyByText(v, 2));
        v += 0.01;
    }
}
BENCHMARK(BM_RoundMoneyByText);

}  // namespace

BENCHMARK_MAIN();
