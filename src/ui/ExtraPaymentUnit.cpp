// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ExtraPaymentUnit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "calc/NumberTexts.h"
#include "ui/Controls.h"
#include "ui/Palette.h"

namespace corbel::ui {

namespace {

constexpr QSize ClientArea(510, 302);
// Below and to the right of the main window's top-left corner.
constexpr QPoint OffsetFromMainWindow(3, 120);

const char* const FromTheStart = "From the start of the Loan";

}  // namespace

TADDMONTHLYR::TADDMONTHLYR(const UiContext& context, LoanTextsSource loan, QWidget* parent)
    : QDialog(parent), context_(context), loan_(std::move(loan)) {
    setObjectName("ADDMONTHLYR");
    const TableWindowFrame frame = MakeTableWindowFrame(
        this, "Additional Payments", {"BitBtn1", "BitBtn2", nullptr, "BitBtn3"},
        topic::SpecificAdditionalPayment, context.help);
    Label7 = frame.heading;
    Label7->setObjectName("Label7");
    BitBtn1 = frame.calculate;
    BitBtn2 = frame.ok;
    BitBtn3 = frame.help;
    // OK empties the results before it closes.
    disconnect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);

    const ExtraPaymentCaptions monthly = ExtraPaymentCaptionsFor(DefaultFrequency);
    Label1 = Caption("Label1", Q(monthly.extraLabel), this);
    AdditionalMR = InputField("AdditionalMR", 0, 10, this);
    auto* label2 =
        Caption("Label2", "When would you like to start paying this additional payment", this);
    Now = Named(new QRadioButton(FromTheStart, this), "Now");
    RadioButton2 = Named(new QRadioButton("Starting in year", this), "RadioButton2");
    Now->setChecked(true);
    Year = InputField("Year", 2, 3, this);
    Year->setEnabled(false);
    // The year field has no label of its own: the choice before it names it.
    Year->setAccessibleName(RadioButton2->text());
    Label6 = Caption("Label6", Q(monthly.startPeriodLabel), this);
    StartMonth = InputField("StartMonth", 3, 4, this);
    Label6->setBuddy(StartMonth);
    // Captions that follow the frequency keep room for the longest, so nothing moves.
    QStringList extraLabels;
    QStringList startLabels;
    for (const auto& info : Frequencies) {
        const ExtraPaymentCaptions captions = ExtraPaymentCaptionsFor(info.frequency);
        extraLabels << Q(captions.extraLabel);
        startLabels << Q(captions.startPeriodLabel);
    }
    ReserveWidth(Label1, extraLabels);
    ReserveWidth(Label6, startLabels);
    KeepRoomWhenHidden(StartMonth);

    const QString widest = Q(FormatMoney(context_.regional, -99999999999.99));
    InterestSaved = ResultField("InterestSaved", widest, this);
    NewInterest = ResultField("NewInterest", widest, this);
    TotalInterest = ResultField("TotalInterest", widest, this);
    NewPeriod = Caption("NewPeriod", QString(), this);
    NewPeriod->setWordWrap(true);
    QFont large = NewPeriod->font();
    large.setBold(true);
    large.setPointSize(large.pointSize() + 2);
    NewPeriod->setFont(large);
    // The longest sentence takes two lines; the fields below never move.
    NewPeriod->setMinimumHeight(2 * QFontMetrics(large).lineSpacing() + 4);

    auto* fields = new QGridLayout;
    AddRow(fields, 0, Label1, {AdditionalMR});
    fields->addWidget(label2, 1, 0, 1, 2);
    fields->addWidget(Now, 2, 0, 1, 2, Qt::AlignLeft);
    auto* start = new QHBoxLayout;
    for (QWidget* control : {static_cast<QWidget*>(RadioButton2), static_cast<QWidget*>(Year),
                             static_cast<QWidget*>(Label6), static_cast<QWidget*>(StartMonth)}) {
        start->addWidget(control);
    }
    start->addStretch(1);
    fields->addLayout(start, 3, 0, 1, 2);
    AddRow(fields, 4, Caption("Label5", Q(InterestSavedCaption), this), {InterestSaved});
    fields->addWidget(NewPeriod, 5, 0, 1, 2);
    AddRow(fields, 6, Caption("Label3", Q(NewInterestCaption), this), {NewInterest});
    AddRow(fields, 7, Caption("Label4", Q(TotalInterestCaption), this), {TotalInterest});

    auto* left = new QVBoxLayout;
    left->addWidget(Label7);
    left->addLayout(fields, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(frame.buttons);

    ChainTabOrder({AdditionalMR, Now, RadioButton2, Year, StartMonth, BitBtn1, BitBtn2, BitBtn3});
    connect(BitBtn1, &QPushButton::clicked, this, &TADDMONTHLYR::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TADDMONTHLYR::BitBtn2Click);
    // A click, not a change of choice: until the first click the start period
    // stays enabled with "From the start of the Loan" chosen.
    connect(Now, &QRadioButton::clicked, this, &TADDMONTHLYR::NowClick);
    connect(RadioButton2, &QRadioButton::clicked, this, &TADDMONTHLYR::NowClick);

    adjustSize();
    setFixedSize(sizeHint().expandedTo(ClientArea));
}

void TADDMONTHLYR::setFrequencyCaptions(PaymentFrequency repayment) {
    const ExtraPaymentCaptions captions = ExtraPaymentCaptionsFor(repayment);
    Label1->setText(Q(captions.extraLabel));
    Label6->setText(Q(captions.startPeriodLabel));
    Label6->setVisible(captions.startPeriodVisible);
    StartMonth->setVisible(captions.startPeriodVisible);
}

void TADDMONTHLYR::placeBelowCorner(const QWidget* mainWindow) {
    move(mainWindow->pos() + OffsetFromMainWindow);
}

void TADDMONTHLYR::relabel() {
    Now->setText(FromTheStart);
}

void TADDMONTHLYR::NowClick() {
    const bool inYear = RadioButton2->isChecked();
    Year->setEnabled(inYear);
    Label6->setEnabled(inYear);
    StartMonth->setEnabled(inYear);
}

ExtraPaymentTexts TADDMONTHLYR::fieldTexts() const {
    return {AdditionalMR->text().toStdString(), RadioButton2->isChecked(),
            Year->text().toStdString(), StartMonth->text().toStdString()};
}

void TADDMONTHLYR::BitBtn1Click() {
    const auto result = ExtraPaymentFromTexts(loan_(), fieldTexts(), context_.regional);
    if (!result) {
        context_.dialogs.showMessage(this, result.failure());
        return;
    }
    const auto money = [this](double value) { return Q(FormatMoney(context_.regional, value)); };
    ShowResult(TotalInterest, money(result->totalInterest));
    if (result->paidOffIn == 0) {
        // Results of an earlier calculation never stand beside this one's total.
        InterestSaved->clear();
        NewInterest->clear();
        NewPeriod->clear();
        return;
    }
    ShowResult(NewInterest, money(result->newInterest));
    ShowResult(InterestSaved, money(result->interestSaved));
    NewPeriod->setText(Q(result->sentence));
}

void TADDMONTHLYR::BitBtn2Click() {
    InterestSaved->clear();
    NewPeriod->clear();
    NewInterest->clear();
    TotalInterest->clear();
    accept();
}

}  // namespace corbel::ui
