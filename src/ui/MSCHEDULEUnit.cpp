// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MSCHEDULEUnit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "calc/NumberTexts.h"
#include "report/Reports.h"
#include "ui/Controls.h"
#include "ui/Palette.h"
#include "ui/Pictures.h"
#include "ui/ReportPrinting.h"
#include "ui/TableCopy.h"

namespace corbel::ui {

namespace {

constexpr int ColumnWidths[ScheduleColumnCount] = {65, 77, 84, 87, 98, 93};
constexpr QSize ClientArea(534, 377);

}  // namespace

TMSCHEDULE::TMSCHEDULE(const UiContext& context, LoanOptionsSource options, QWidget* parent)
    : QDialog(parent),
      context_(context),
      options_(std::move(options)),
      model_(new ScheduleModel(context.regional, ScheduleColumnCount, ScheduleCellText, this)) {
    setObjectName("MSCHEDULE");
    const TableWindowFrame frame =
        MakeTableWindowFrame(this, "Loan Schedule", {"CalculateBtn", "OKBtn", "BitBtn1", "BitBtn2"},
                             topic::LoanSchedule, context.help);
    HeadingLabel = frame.heading;
    CalculateBtn = frame.calculate;
    OKBtn = frame.ok;
    BitBtn2 = frame.help;
    BitBtn1 = frame.print;
    PreviewBtn = frame.preview;
    frame.buttons->insertWidget(
        4, ExportButton(this, context_, "Loan Schedule.csv", [this] { return plainRows(); }));
    MSAmount = InputField("MSAmount", 0, 0, this);
    MSInterest = InputField("MSInterest", 0, 0, this);
    MSPeriod = InputField("MSPeriod", 0, 0, this);
    Partyear = InputField("Partyear", 0, 0, this);
    Label11 = Caption("Label11", "Month(s)", this);
    ReservePartYearRoom(Partyear, Label11);
    Label4 = Caption("Label4", "Monthly Payment", this);
    // Captions that follow the frequency keep room for the longest, so nothing moves.
    QStringList repaymentLabels;
    QStringList periodButtons;
    for (const auto& info : Frequencies) {
        repaymentLabels << Q(info.scheduleRepaymentLabel);
        periodButtons << Q(info.scheduleButton);
    }
    ReserveWidth(Label4, repaymentLabels);
    auto* display = Named(new QGroupBox("Display By", this), "GroupBox1");
    Year = Named(new QRadioButton("Year", display), "Year");
    Month = Named(new QRadioButton("Month", display), "Month");
    Year->setChecked(true);
    int widestButton = 0;
    for (const QString& caption : periodButtons) {
        Month->setText(caption);
        widestButton = std::max(widestButton, Month->sizeHint().width());
    }
    Month->setText("Month");
    Month->setMinimumWidth(widestButton);
    KeepRoomWhenHidden(Month);
    auto* displayLayout = new QHBoxLayout(display);
    displayLayout->addWidget(Year);
    displayLayout->addWidget(Month);

    MSMonthlyRepayment = Named(new QLabel(this), "MSMonthlyRepayment");
    MSMonthlyRepayment->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    MSMonthlyRepayment->setAccessibleDescription(Label4->text());
    MSMonthlyRepayment->setMinimumWidth(
        fontMetrics().horizontalAdvance(Q(FormatMoney(context_.regional, -999999999.99))) + 8);

    auto* fields = new QGridLayout;
    AddCaptioned(fields, 0, 0, Named(new QLabel("Amount", this), "Label2"), MSAmount);
    AddCaptioned(fields, 0, 2, Named(new QLabel("Interest", this), "Label3"), MSInterest);
    AddCaptioned(fields, 1, 0, Named(new QLabel("Years", this), "Label5"), MSPeriod);
    AddCaptioned(fields, 1, 2, Label11, Partyear);
    fields->addWidget(Label4, 2, 0, 1, 2);
    fields->addWidget(MSMonthlyRepayment, 2, 2, 1, 2);

    MSGrid = TableView("MSGrid", this);
    MSGrid->setAccessibleName(windowTitle());
    MSGrid->setModel(model_);
    MSGrid->horizontalHeader()->hide();
    MSGrid->verticalHeader()->hide();
    MSGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSGrid->verticalHeader()->setDefaultSectionSize(std::max(18, fontMetrics().height() + 2));
    MSGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    AllowCopy(MSGrid, [this] { return plainRows(); });
    MSGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Money columns are at least wide enough for the largest amount.
    // Balances and yearly figures stay within ten digits; accumulated interest can
    // reach eleven (the largest loan at 100% daily for 50 years).
    const int money =
        fontMetrics().horizontalAdvance(Q(FormatMoney(context_.regional, -9999999999.99))) + 10;
    const int wideMoney =
        fontMetrics().horizontalAdvance(Q(FormatMoney(context_.regional, -99999999999.99))) + 10;
    int gridWidth = 0;
    for (int c = 0; c < ScheduleColumnCount; ++c) {
        const int needed = c == 0   ? fontMetrics().horizontalAdvance("99999") + 10
                           : c == 4 ? wideMoney
                                    : money;
        const int width = std::max(ColumnWidths[c], needed);
        MSGrid->setColumnWidth(c, width);
        gridWidth += width;
    }
    const int scrollWidth = MSGrid->verticalScrollBar()->sizeHint().width();
    MSGrid->setFixedWidth(gridWidth + scrollWidth + 2 * MSGrid->frameWidth());

    // The column headings: raised panels, each as wide as the column below it.
    const char* const headingNames[ScheduleColumnCount] = {"Label10", "Panel3", "Label6",
                                                           "Label7",  "Label8", "Label9"};
    const auto headingTexts = ScheduleHeadings(ScheduleDisplay::ByYear, repayment_);
    QLabel* headings[ScheduleColumnCount];
    for (int c = 0; c < ScheduleColumnCount; ++c) {
        headings[c] = HeadingPanel(headingNames[c], Q(headingTexts[c]), this);
    }
    Label10 = headings[0];
    auto* headingRow = new QHBoxLayout;
    headingRow->setSpacing(0);
    headingRow->addSpacing(MSGrid->frameWidth());
    for (int c = 0; c < ScheduleColumnCount; ++c) {
        headings[c]->setFixedWidth(MSGrid->columnWidth(c));
        headingRow->addWidget(headings[c]);
    }
    auto* blank = HeadingPanel("Panel8", QString(), this);
    blank->setFixedWidth(scrollWidth + MSGrid->frameWidth());
    headingRow->addWidget(blank);
    headingRow->addStretch(1);

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

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(HeadingLabel);
    left->addLayout(fields);
    top->addLayout(left, 1);
    top->addWidget(display, 0, Qt::AlignTop);
    top->addLayout(frame.buttons);

    // The headings sit directly on the grid.
    auto* table = new QVBoxLayout;
    table->setSpacing(0);
    table->addLayout(headingRow);
    table->addWidget(MSGrid, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(table, 1);
    layout->addWidget(note);

    connect(CalculateBtn, &QPushButton::clicked, this, &TMSCHEDULE::CalculateBtnClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TMSCHEDULE::BitBtn1Click);
    connect(PreviewBtn, &QPushButton::clicked, this, &TMSCHEDULE::PreviewBtnClick);
    // The table is redrawn when the display choice changes, not when the chosen
    // button is clicked again.
    connect(Month, &QRadioButton::toggled, this, &TMSCHEDULE::CalculateBtnClick);

    adjustSize();
    setFixedSize(sizeHint().expandedTo(ClientArea));
}

LoanTexts TMSCHEDULE::fieldTexts() const {
    return LoanFieldTexts(MSAmount, MSInterest, MSPeriod, Partyear, options_());
}

void TMSCHEDULE::setLoanTexts(const QString& amount, const QString& rate, const QString& years,
                              const QString& parts) {
    MSAmount->setText(amount);
    MSInterest->setText(rate);
    MSPeriod->setText(years);
    Partyear->setText(parts);
}

void TMSCHEDULE::showSchedule(const LoanSchedule& schedule) {
    model_->setRows(schedule.rows);
    MSMonthlyRepayment->setText(Q(FormatMoney(context_.regional, schedule.repayment)));
    MSGrid->scrollToTop();
}

Checked<LoanSchedule> TMSCHEDULE::computeSchedule() const {
    return ScheduleFromTexts(
        fieldTexts(), Year->isChecked() ? ScheduleDisplay::ByYear : ScheduleDisplay::ByPeriod,
        context_.regional.decimalSeparator());
}

void TMSCHEDULE::FillLoanSchedule() {
    if (const auto schedule = computeSchedule()) {
        showSchedule(*schedule);
    }
}

void TMSCHEDULE::setFrequencyCaptions(PaymentFrequency repayment, const QString& partYearUnit) {
    repayment_ = repayment;
    const FrequencyInfo& info = Info(repayment);
    Month->setVisible(!info.scheduleButton.empty());
    if (!info.scheduleButton.empty()) {
        Month->setText(Q(info.scheduleButton));
    } else if (Month->isChecked()) {
        // A hidden choice cannot stay chosen: "Year" takes its place. The
        // opening fills the table afterwards.
        const QSignalBlocker blocker(Month);
        Year->setChecked(true);
    }
    Label4->setText(Q(info.scheduleRepaymentLabel));
    // The amount is the label's own text; its caption tells readers what it is.
    MSMonthlyRepayment->setAccessibleDescription(Label4->text());
    updateColumnHeading();
    Label11->setText(partYearUnit);
}

void TMSCHEDULE::setPartYearVisible(bool visible) {
    Partyear->setVisible(visible);
    Label11->setVisible(visible);
}

PlainRows TMSCHEDULE::plainRows() const {
    const ScheduleDisplay display =
        Month->isChecked() ? ScheduleDisplay::ByPeriod : ScheduleDisplay::ByYear;
    return SchedulePlainRows(model_->rows(), display, repayment_);
}

void TMSCHEDULE::updateColumnHeading() {
    const ScheduleDisplay display =
        Month->isChecked() ? ScheduleDisplay::ByPeriod : ScheduleDisplay::ByYear;
    Label10->setText(Q(ScheduleHeadings(display, repayment_)[0]));
}

void TMSCHEDULE::CalculateBtnClick() {
    MSAmount->setFocus();
    const auto schedule = computeSchedule();
    if (!schedule) {
        context_.dialogs.showMessage(this, schedule.failure());
        return;
    }
    showSchedule(*schedule);
    updateColumnHeading();
}

ReportJob TMSCHEDULE::reportJob() const {
    const report::LoanScheduleReport shown{report::ReportLoan(fieldTexts()),
                                           Label10->text().toStdString(), model_->rows()};
    const Regional& regional = context_.regional;
    return [shown, &regional](report::PageDevice& device) {
        return report::PrintLoanSchedule(device, shown, regional);
    };
}

void TMSCHEDULE::BitBtn1Click() {
    PrintWithDialog(this, context_, "Loan Schedule", reportJob());
}

void TMSCHEDULE::PreviewBtnClick() {
    PreviewWithDialog(this, context_, "Loan Schedule", reportJob());
}

}  // namespace corbel::ui
