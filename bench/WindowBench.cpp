// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <memory>

#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/LocaleRegional.h"
#include "ui/LoanGridWindow.h"
#include "ui/LoanPage.h"
#include "ui/LoanScheduleWindow.h"
#include "ui/MainWindow.h"
#include "ui/TermReductionWindow.h"
#include "ui/WhatIfPage.h"

namespace {

using namespace corbel;
using namespace corbel::ui;

// Boxes are passed over, and every question and file dialog is cancelled.
class SilentDialogs : public Dialogs {
  public:
    void showMessage(QWidget*, const Message&) override {}
    QPrinter* choosePrinter(QWidget*, const QString&) override { return nullptr; }
    QString showPrintPreview(QWidget*, QPageLayout::Orientation, const QString&,
                             const PaintDocument&) override {
        return {};
    }
    Answer askYesNoCancel(QWidget*, const Message&) override { return Answer::Cancel; }
    std::optional<QString> openFileName(QWidget*, const FileDialogSetup&) override { return {}; }
    std::optional<QString> saveFileName(QWidget*, const FileDialogSetup&) override { return {}; }
};
class NoHelp : public HelpViewer {
  public:
    void showHelp(int) override {}
};
// Nothing remembered: no file is opened at start-up.
class NoSettings : public ProgramSettings {
  public:
    std::optional<std::string> readCurrentFile() const override { return {}; }
    void writeCurrentFile(const std::string&) override {}
    QString recall(const QString&) const override { return {}; }
    void remember(const QString&, const QString&) override {}
    QStringList recentFiles() const override { return {}; }
    void rememberRecentFiles(const QStringList&) override {}
};

struct Program {
    LocaleRegional regional{QLocale(QLocale::English, QLocale::UnitedStates)};
    SilentDialogs dialogs;
    NoHelp help;
    NoSettings settings;
    MainWindow window{UiContext{regional, dialogs, help}, QString(), settings};
};

// Made on first use and closed before the application ends.
std::unique_ptr<Program> TheProgramInstance;
Program& TheProgram() {
    if (!TheProgramInstance) {
        TheProgramInstance = std::make_unique<Program>();
    }
    return *TheProgramInstance;
}

// The longest schedule, 18,615 daily rows, from a click on the period button to
// the filled model; with `paint`, until the grid has been drawn once.
void ScheduleClick(benchmark::State& state, bool paint) {
    Program& p = TheProgram();
    p.window.loanPage()
        ->findChild<QComboBox*>("MPayment")
        ->setCurrentIndex(IndexOf(PaymentFrequency::Daily));
    LoanScheduleWindow* schedule = p.window.schedule();
    schedule->copyLoan({"999999999", "7.5", "50", "365"});
    schedule->show();
    // Once on "by period"; from then on Calculate refills the table.
    schedule->findChild<QRadioButton*>("Month")->click();
    auto* calculate = schedule->findChild<QPushButton*>("CalculateBtn");
    for (auto _ : state) {
        calculate->click();
        if (paint) {
            benchmark::DoNotOptimize(
                schedule->findChild<QTableView*>("MSGrid")->viewport()->grab());
        }
    }
    state.counters["rows"] = schedule->findChild<QTableView*>("MSGrid")->model()->rowCount();
    if (paint) {
        // The process at its largest so far: the main window and the longest
        // schedule, filled and drawn.
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
    }
    schedule->hide();
}
void BM_ScheduleLongestByPeriod(benchmark::State& state) {
    ScheduleClick(state, false);
}
void BM_ScheduleLongestByPeriodPainted(benchmark::State& state) {
    ScheduleClick(state, true);
}
BENCHMARK(BM_ScheduleLongestByPeriod)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScheduleLongestByPeriodPainted)->Unit(benchmark::kMillisecond);

// The largest loan grid, 2,000 rows, from a click on its Calculate.
void BM_GridLargest(benchmark::State& state) {
    Program& p = TheProgram();
    p.window.loanPage()
        ->findChild<QComboBox*>("MPayment")
        ->setCurrentIndex(IndexOf(PaymentFrequency::Monthly));
    LoanGridWindow* grid = p.window.grid();
    grid->findChild<QLineEdit*>("MAmt")->setText("999999999");
    grid->findChild<QLineEdit*>("InterestR")->setText("6");
    grid->findChild<QLineEdit*>("Years")->setText("25");
    grid->findChild<QComboBox*>("AmountStep")->setCurrentIndex(0);
    grid->show();
    for (auto _ : state) {
        grid->findChild<QPushButton*>("SpeedButton1")->click();
        benchmark::DoNotOptimize(grid->findChild<QTableView*>("MGrid")->viewport()->grab());
    }
    state.counters["rows"] = grid->findChild<QTableView*>("MGrid")->model()->rowCount();
    grid->hide();
}
BENCHMARK(BM_GridLargest)->Unit(benchmark::kMillisecond);

// The What If? page solving for the interest rate, from a click on Calculate to
// the page drawn with the rate in it.
void BM_InterestSolve(benchmark::State& state) {
    Program& p = TheProgram();
    WhatIfPage* page = p.window.whatIfPage();
    p.window.findChild<QTabWidget*>("PageControl1")->setCurrentWidget(page);
    p.window.show();
    page->findChild<QRadioButton*>("InterestRB")->click();
    for (auto [name, text] : {std::pair{"WIPrincipal", "100000"},
                              {"WIPeriods", "30"},
                              {"WIPartYear", "0"},
                              {"WIRepay", "599.56"}}) {
        page->findChild<QLineEdit*>(name)->setText(text);
    }
    auto* calculate = page->findChild<QPushButton*>("SpeedButton4");
    for (auto _ : state) {
        calculate->click();
        benchmark::DoNotOptimize(page->grab());
    }
    const QString rate = page->findChild<QLineEdit*>("WIInterest")->text();
    // 599.56 is the 6% repayment rounded up to the cent, a little over 6%.
    if (!rate.startsWith("6.000")) {
        static std::string error;
        error = "the solved rate is " + rate.toStdString() + ", not about 6";
        state.SkipWithError(error.c_str());
    }
    p.window.hide();
}
BENCHMARK(BM_InterestSolve)->Unit(benchmark::kMillisecond);

// The additional payments' term-reduction table of the longest daily loan, from a
// click on its Calculate to the table drawn; its first row runs all 18,615 periods.
void BM_TermReductionTable(benchmark::State& state) {
    Program& p = TheProgram();
    p.window.loanPage()
        ->findChild<QComboBox*>("MPayment")
        ->setCurrentIndex(IndexOf(PaymentFrequency::Daily));
    auto* table = p.window.findChild<TermReductionWindow*>("AdditionalP");
    table->copyLoan({"250000", "7.5", "50", "365"});
    table->show();
    auto* calculate = table->findChild<QPushButton*>("SpeedButton2");
    for (auto _ : state) {
        calculate->click();
        benchmark::DoNotOptimize(table->findChild<QTableView*>("APGrid")->viewport()->grab());
    }
    state.counters["rows"] = table->model()->rowCount();
    table->hide();
}
BENCHMARK(BM_TermReductionTable)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TheProgramInstance.reset();
    return 0;
}
