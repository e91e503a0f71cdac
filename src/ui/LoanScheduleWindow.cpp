// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LoanScheduleWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "calc/BalanceGraph.h"
#include "calc/NumberTexts.h"
#include "report/Reports.h"
#include "ui/BalanceChartWindow.h"
#include "ui/Pictures.h"

namespace corbel::ui {

TableWindowSetup LoanScheduleWindow::setup() {
    return {"MSCHEDULE",
            "Loan Schedule",
            topic::LoanSchedule,
            {534, 377},
            false,
            {"HeadingLabel", "CalculateBtn", "OKBtn", "BitBtn1", "BitBtn2"},
            {"MSAmount", "MSInterest", "MSPeriod", "Partyear", false},
            "MSGrid"};
}

LoanScheduleWindow::LoanScheduleWindow(const UiContext& context, LoanOptionsSource options,
                                       QWidget* parent)
    : LoanScheduleWindow(context, std::move(options), setup(), parent) {}

LoanScheduleWindow::LoanScheduleWindow(const UiContext& context, LoanOptionsSource options,
                                       const TableWindowSetup& setup, QWidget* parent)
    : TableWindow(context, std::move(options), setup, parent),
      model_(new ScheduleModel(context.regional, ScheduleColumns, this)) {
    partYearUnit_ = Caption("Label11", "Month(s)", this);
    ReservePartYearRoom(loanFields().parts, partYearUnit_);
    repaymentCaption_ = Caption("Label4", "Monthly Payment", this);
    // Captions that follow the frequency keep room for the longest, so nothing moves.
    QStringList repaymentCaptions;
    QStringList periodChoices;
    for (const auto& info : Frequencies) {
        repaymentCaptions << Q(info.scheduleRepaymentLabel);
        periodChoices << Q(info.scheduleButton);
    }
    ReserveWidth(repaymentCaption_, repaymentCaptions);
    auto* displayChoice = Named(new QGroupBox("Display By", this), "GroupBox1");
    byYear_ = Named(new QRadioButton("Year", displayChoice), "Year");
    byPeriod_ = Named(new QRadioButton("Month", displayChoice), "Month");
    byYear_->setChecked(true);
    int widestChoice = 0;
    for (const QString& caption : periodChoices) {
        byPeriod_->setText(caption);
        widestChoice = std::max(widestChoice, byPeriod_->sizeHint().width());
    }
    byPeriod_->setText("Month");
    byPeriod_->setMinimumWidth(widestChoice);
    KeepRoomWhenHidden(byPeriod_);
    auto* displayLayout = new QHBoxLayout(displayChoice);
    displayLayout->addWidget(byYear_);
    displayLayout->addWidget(byPeriod_);

    repayment_ = Named(new QLabel(this), "MSMonthlyRepayment");
    repayment_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    repayment_->setAccessibleDescription(repaymentCaption_->text());
    repayment_->setMinimumWidth(
        fontMetrics().horizontalAdvance(WidestMoney(context.regional, MoneyKind::Amount)) + 8);

    auto* fields = new QGridLayout;
    AddCaptioned(fields, 0, 0, Named(new QLabel("Amount", this), "Label2"), loanFields().amount);
    AddCaptioned(fields, 0, 2, Named(new QLabel("Interest", this), "Label3"), loanFields().rate);
    AddCaptioned(fields, 1, 0, Named(new QLabel("Years", this), "Label5"), loanFields().years);
    AddCaptioned(fields, 1, 2, partYearUnit_, loanFields().parts);
    fields->addWidget(repaymentCaption_, 2, 0, 1, 2);
    fields->addWidget(repayment_, 2, 2, 1, 2);

    makeTable(model_);
    showHeadings();
    // Money columns are at least wide enough for the largest amount. Balances
    // and yearly figures stay within ten digits; accumulated interest can reach
    // eleven (the largest loan at 100% daily for 50 years).
    const QString balance = WidestMoney(context.regional, MoneyKind::Balance);
    std::vector<QStringList> everyHeading;
    for (const auto& info : Frequencies) {
        for (const auto shown : {ScheduleDisplay::ByYear, ScheduleDisplay::ByPeriod}) {
            everyHeading.push_back(ShownTexts(ScheduleHeadings(shown, info.frequency)));
        }
    }
    QVBoxLayout* tableArea =
        headedTable({{"Label10", 65, WidestPeriodNumber},
                     {"Panel3", 77, balance},
                     {"Label6", 84, balance},
                     {"Label7", 87, balance},
                     {"Label8", 98, WidestMoney(context.regional, MoneyKind::Interest)},
                     {"Label9", 93, balance}},
                    everyHeading);

    auto* note =
        Named(new QLabel("Please note that small differences in interest between the schedule "
                         "and the main screen are due to rounding to two decimal places on "
                         "the schedule.",
                         this),
              "Label12");
    note->setWordWrap(true);
    QFont small = note->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    note->setFont(small);

    // Graph stands in the free room under the display choice.
    auto* graphButton = Named(new QPushButton("Graph", this), "GraphBtn");
    graphButton->setIcon(Icon(Picture::Chart));
    graphButton->setAutoDefault(false);
    connect(graphButton, &QPushButton::clicked, this, &LoanScheduleWindow::showGraph);
    graph_ = new BalanceChartWindow(context, this);
    auto* beside = new QWidget(this);
    auto* besideLayout = new QVBoxLayout(beside);
    besideLayout->setContentsMargins(0, 0, 0, 0);
    besideLayout->addWidget(displayChoice);
    besideLayout->addWidget(graphButton, 0, Qt::AlignLeft);
    besideLayout->addStretch(1);

    QVBoxLayout* layout = layOutTop(fields, nullptr, beside);
    layout->addLayout(tableArea, 1);
    layout->addWidget(note);

    // The table is redrawn when the display choice changes, not when the chosen
    // button is clicked again.
    connect(byPeriod_, &QRadioButton::toggled, this, &LoanScheduleWindow::calculate);
    // The keyboard reaches Graph after the display choice, before the table.
    setTabOrder(byPeriod_, graphButton);
    setLeastSize();
}

ScheduleDisplay LoanScheduleWindow::display() const {
    return byPeriod_->isChecked() ? ScheduleDisplay::ByPeriod : ScheduleDisplay::ByYear;
}

void LoanScheduleWindow::showHeadings() {
    model_->setHeadings(ShownTexts(ScheduleHeadings(display(), frequency_)));
}

Checked<LoanSchedule> LoanScheduleWindow::computeSchedule(const LoanTexts& loan,
                                                          ScheduleDisplay display) {
    return ScheduleFromTexts(loan, display, context().regional.decimalSeparator());
}

Outcome LoanScheduleWindow::fill() {
    const auto schedule = computeSchedule(loanTexts(), display());
    if (!schedule) {
        return schedule.failure();
    }
    model_->setRows(schedule->rows);
    repayment_->setText(Q(FormatMoney(context().regional, schedule->repayment)));
    table()->scrollToTop();
    showHeadings();
    return std::nullopt;
}

void LoanScheduleWindow::setFrequencyCaptions(PaymentFrequency repayment,
                                              const QString& partYearUnit) {
    frequency_ = repayment;
    const FrequencyInfo& info = Info(repayment);
    byPeriod_->setVisible(!info.scheduleButton.empty());
    if (!info.scheduleButton.empty()) {
        byPeriod_->setText(Q(info.scheduleButton));
    } else if (byPeriod_->isChecked()) {
        // A hidden choice cannot stay chosen: "Year" takes its place. The
        // opening fills the table afterwards.
        const QSignalBlocker blocker(byPeriod_);
        byYear_->setChecked(true);
    }
    repaymentCaption_->setText(Q(info.scheduleRepaymentLabel));
    // The amount is the label's own text; its caption tells readers what it is.
    repayment_->setAccessibleDescription(repaymentCaption_->text());
    showHeadings();
    partYearUnit_->setText(partYearUnit);
}

void LoanScheduleWindow::setPartYearVisible(bool visible) {
    loanFields().parts->setVisible(visible);
    partYearUnit_->setVisible(visible);
}

std::vector<BalanceLine> LoanScheduleWindow::graphLines() const {
    return {{QString(), BalancePoints(model_->rows())}};
}

void LoanScheduleWindow::showGraph() {
    graph_->showLines(model_->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                      graphLines());
    graph_->exec();
}

ReportJob LoanScheduleWindow::reportJob() const {
    const report::LoanScheduleReport shown{
        report::ReportLoan(loanTexts()),
        model_->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString().toStdString(),
        model_->rows(), reportLine()};
    const Regional& regional = context().regional;
    return [shown, &regional](report::PageDevice& device) {
        return report::PrintLoanSchedule(device, shown, regional);
    };
}

}  // namespace corbel::ui
