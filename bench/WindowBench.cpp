#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/LocaleRegional.h"
#include "ui/LoanPage.h"
#include "ui/MSCHEDULEUnit.h"
#include "ui/MainUnit.h"
#include "ui/MortgageGridUnit.h"

namespace {

using namespace corbel;
using namespace corbel::ui;

// Boxes are passed over, and every question and file dialog is cancelled.
class SilentDialogs : public Dialogs {
  public:
    void showMessage(QWidget*, const Message&) override {}
    QPrinter* choosePrinter(QWidget*) override { return nullptr; }
    void showPrintPreview(QWidget*, const PaintDocument&) override {}
    Answer askYesNoCancel(QWidget*, const Message&) override { return Answer::Cancel; }
    std::optional<QString> openFileName(QWidget*, const FileDialogSetup&) override { return {}; }
    std::optional<QString> saveFileName(QWidget*, const FileDialogSetup&) override { return {}; }
};
class NoHelp : public HelpViewer {
  public:
    void showHelp(int) override {}
};
// Nothing remembered: no file is opened at start-up.
class NoSettings : public SettingsStore {
  public:
    std::optional<std::string> readCurrentFile() const override { return {}; }
    void writeCurrentFile(const std::string&) override {}
};

struct Program {
    LocaleRegional regional{QLocale(QLocale::English, QLocale::UnitedStates)};
    SilentDialogs dialogs;
    NoHelp help;
    NoSettings settings;
    TMORTLOAN window{UiContext{regional, dialogs, help}, QString(), settings};
};

Program& TheProgram() {
    static Program program;
    return program;
}

// The longest schedule, 18,615 daily rows, from a click on the period button to
// the filled model; with `paint`, until the grid has been drawn once.
void ScheduleClick(benchmark::State& state, bool paint) {
    Program& p = TheProgram();
    p.window.loanPage()
        ->findChild<QComboBox*>("MPayment")
        ->setCurrentIndex(IndexOf(PaymentFrequency::Daily));
    TMSCHEDULE* schedule = p.window.schedule();
    schedule->setLoanTexts("999999999", "7.5", "50", "365");
    schedule->show();
    for (auto _ : state) {
        schedule->findChild<QRadioButton*>("Month")->click();
        if (paint) {
            benchmark::DoNotOptimize(
                schedule->findChild<QTableView*>("MSGrid")->viewport()->grab());
        }
    }
    state.counters["rows"] = schedule->findChild<QTableView*>("MSGrid")->model()->rowCount();
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
    TMORTAGEGRID* grid = p.window.grid();
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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
