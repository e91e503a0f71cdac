// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QLocale>

#include "LongestLoan.h"
#include "calc/LoanSchedule.h"
#include "platform/LocaleRegional.h"
#include "platform/PrinterDevice.h"
#include "report/Reports.h"

namespace {

using namespace corbel;

// The longest schedule report: 50 years and 365 daily periods, 18,615 rows, into
// a PDF file, from the rows to the closed file.
void BM_LongestSchedulePdf(benchmark::State& state) {
    const LoanTerms terms = bench::LongestLoan();
    const LoanSchedule schedule = ComputeSchedule(terms, ScheduleDisplay::ByPeriod);
    const LocaleRegional regional(QLocale(QLocale::English, QLocale::UnitedStates));
    const report::LoanScheduleReport printed{
        {"999999999", "7.5", "50", "Day(s)", "365", "Daily", true, "Monthly"},
        "Day",
        schedule.rows};
    const std::string file = QDir::temp().filePath("corbelwright-bench-schedule.pdf").toStdString();
    for (auto _ : state) {
        const auto failure = PrintReportToPdf(file, [&](report::PageDevice& device) {
            return PrintLoanSchedule(device, printed, regional);
        });
        if (failure) {
            state.SkipWithError("the PDF could not be printed");
        }
    }
    state.counters["rows"] = static_cast<double>(schedule.rows.size());
    QDir().remove(QString::fromStdString(file));
}
BENCHMARK(BM_LongestSchedulePdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
