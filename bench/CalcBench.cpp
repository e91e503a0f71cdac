#include <benchmark/benchmark.h>

#include <QLocale>

#include "calc/AdditionalPayments.h"
#include "calc/ErrorChecking.h"
#include "calc/MortgageFunctions.h"
#include "platform/LocaleRegional.h"

namespace {

using namespace corbel;

const LoanTerms LongestLoan{250000,
                            7.5,
                            50,
                            365,
                            PaymentFrequency::Daily,
                            PaymentFrequency::Monthly,
                            PaymentTiming::InArrears};

// The longest loan the checks admit: 50 years and 365 daily part-year periods, 18,615 periods.
void BM_RunAmortisationLongest(benchmark::State& state) {
    const LocaleRegional regional(QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunAmortisation(LongestLoan, regional));
    }
}
BENCHMARK(BM_RunAmortisationLongest)->Unit(benchmark::kMillisecond);

// The term-reduction table's arithmetic for the longest loan (the window's
// BM_TermReductionTable adds filling and drawing the table).
void BM_TermReductionTableLongest(benchmark::State& state) {
    const LocaleRegional regional(QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeTermReductionTable(LongestLoan, regional));
    }
}
BENCHMARK(BM_TermReductionTableLongest)->Unit(benchmark::kMillisecond)->UseRealTime();

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
