// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ExtraRepaymentWindow.h"

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
#include "ui/ExtraScheduleWindow.h"
#include "ui/LoanPage.h"
#include "ui/Palette.h"

namespace corbel::ui {

namespace {

constexpr QSize ClientArea(510, 302);
// Below and to the right of the main window's top-left corner.
constexpr QPoint OffsetFromMainWindow(3, 120);

}  // namespace

ExtraRepaymentWindow::ExtraRepaymentWindow(const UiContext& context, LoanTextsSource loan,
                                           QWidget* parent)
    : QDialog(parent), context_(context), loan_(std::move(loan)) {
    setObjectName("ADDMONTHLYR");
    const TableWindowFrame frame = MakeTableWindowFrame(
        this, "Additional Payments", {"Label7", "BitBtn1", "BitBtn2", nullptr, "BitBtn3"},
        topic::SpecificAdditionalPayment, context.help);
    heading_ = frame.heading;
    calculateButton_ = frame.calculate;
    okButton_ = frame.ok;
    helpButton_ = frame.help;
    // OK empties the results before it closes.
    disconnect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    const ExtraPaymentCaptions monthly = ExtraPaymentCaptionsFor(DefaultFrequency);
    extraCaption_ = Caption("Label1", Q(monthly.extraLabel), this);
    extra_ = InputField("AdditionalMR", field::Amount.anyLength(), this);
    auto* label2 =
        Caption("Label2", "When would you like to start paying this additional payment", this);
    fromStart_ = Named(new QRadioButton("From the start of the Loan", this), "Now");
    fromYear_ = Named(new QRadioButton("Starting in year", this), "RadioButton2");
    fromStart_->setChecked(true);
    startYear_ = InputField("Year", field::Years, this);
    startYear_->setEnabled(false);
    // The year field has no label of its own: the choice before it names it.
    startYear_->setAccessibleName(fromYear_->text());
    startPeriodCaption_ = Caption("Label6", Q(monthly.startPeriodLabel), this);
    startPeriod_ = InputField("StartMonth", field::PartYear, this);
    startPeriodCaption_->setBuddy(startPeriod_);
    // Captions that follow the frequency keep room for the longest, so nothing moves.
    QStringList extraLabels;
    QStringList startLabels;
    for (const auto& info : Frequencies) {
        const ExtraPaymentCaptions captions = ExtraPaymentCaptionsFor(info.frequency);
        extraLabels << Q(captions.extraLabel);
        startLabels << Q(captions.startPeriodLabel);
    }
    ReserveWidth(extraCaption_, extraLabels);
    ReserveWidth(startPeriodCaption_, startLabels);
    KeepRoomWhenHidden(startPeriod_);

    const QString widest = WidestMoney(context_.regional, MoneyKind::Interest);
    interestSaved_ = ResultField("InterestSaved", widest, this);
    newInterest_ = ResultField("NewInterest", widest, this);
    totalInterest_ = ResultField("TotalInterest", widest, this);
    paidOffSentence_ = Caption("NewPeriod", QString(), this);
    paidOffSentence_->setWordWrap(true);
    QFont large = paidOffSentence_->font();
    large.setBold(true);
    large.setPointSize(large.pointSize() + 2);
    paidOffSentence_->setFont(large);
    // The longest sentence takes two lines; the fields below never move.
    paidOffSentence_->setMinimumHeight(2 * QFontMetrics(large).lineSpacing() + 4);

    auto* fields = new QGridLayout;
    AddRow(fields, 0, extraCaption_, {extra_});
    fields->addWidget(label2, 1, 0, 1, 2);
    fields->addWidget(fromStart_, 2, 0, 1, 2, Qt::AlignLeft);
    auto* start = new QHBoxLayout;
    for (QWidget* control :
         {static_cast<QWidget*>(fromYear_), static_cast<QWidget*>(startYear_),
          static_cast<QWidget*>(startPeriodCaption_), static_cast<QWidget*>(startPeriod_)}) {
        start->addWidget(control);
    }
    start->addStretch(1);
    fields->addLayout(start, 3, 0, 1, 2);
    AddRow(fields, 4, Caption("Label5", Q(InterestSavedCaption), this), {interestSaved_});
    fields->addWidget(paidOffSentence_, 5, 0, 1, 2);
    AddRow(fields, 6, Caption("Label3", Q(NewInterestCaption), this), {newInterest_});
    AddRow(fields, 7, Caption("Label4", Q(TotalInterestCaption), this), {totalInterest_});

    // In the free corner under the button column, beside the results it goes with.
    scheduleButton_ = Named(new QPushButton("Schedule", this), "ScheduleBtn");
    scheduleButton_->setAutoDefault(false);
    scheduleButton_->setEnabled(false);
    frame.buttons->addWidget(scheduleButton_);
    schedule_ = new ExtraScheduleWindow(
        context_,
        [this] {
            const LoanTexts loan = loan_();
            return LoanOptions{loan.repaymentFrequency, loan.compounding, loan.timing};
        },
        this);

    auto* left = new QVBoxLayout;
    left->addWidget(heading_);
    left->addLayout(fields, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(frame.buttons);

    ChainTabOrder({extra_, fromStart_, fromYear_, startYear_, startPeriod_, interestSaved_,
                   newInterest_, totalInterest_, calculateButton_, okButton_, helpButton_,
                   scheduleButton_});
    connect(calculateButton_, &QPushButton::clicked, this, &ExtraRepaymentWindow::calculate);
    connect(scheduleButton_, &QPushButton::clicked, this, &ExtraRepaymentWindow::openSchedule);
    connect(okButton_, &QPushButton::clicked, this, &ExtraRepaymentWindow::emptyAndClose);
    // A click, not a change of choice: until the first click the start period
    // stays enabled with "From the start of the Loan" chosen.
    connect(fromStart_, &QRadioButton::clicked, this, &ExtraRepaymentWindow::enableStartFields);
    connect(fromYear_, &QRadioButton::clicked, this, &ExtraRepaymentWindow::enableStartFields);

    adjustSize();
    setFixedSize(sizeHint().expandedTo(ClientArea));
}

void ExtraRepaymentWindow::setFrequencyCaptions(PaymentFrequency repayment) {
    const ExtraPaymentCaptions captions = ExtraPaymentCaptionsFor(repayment);
    extraCaption_->setText(Q(captions.extraLabel));
    startPeriodCaption_->setText(Q(captions.startPeriodLabel));
    startPeriodCaption_->setVisible(captions.startPeriodVisible);
    startPeriod_->setVisible(captions.startPeriodVisible);
}

void ExtraRepaymentWindow::placeBelowCorner(const QWidget* mainWindow) {
    move(mainWindow->pos() + OffsetFromMainWindow);
}

void ExtraRepaymentWindow::enableStartFields() {
    const bool inYear = fromYear_->isChecked();
    startYear_->setEnabled(inYear);
    startPeriodCaption_->setEnabled(inYear);
    startPeriod_->setEnabled(inYear);
}

ExtraPaymentTexts ExtraRepaymentWindow::fieldTexts() const {
    return {extra_->text().toStdString(), fromYear_->isChecked(), startYear_->text().toStdString(),
            startPeriod_->text().toStdString()};
}

bool ExtraRepaymentWindow::calculate() {
    const auto result = ExtraPaymentFromTexts(loan_(), fieldTexts(), context_.regional);
    // A schedule is offered for the figures on show alone.
    scheduleButton_->setEnabled(result && result->paidOffIn != 0);
    if (!result) {
        context_.dialogs.showMessage(this, result.failure());
        return false;
    }
    const auto money = [this](double value) { return Q(FormatMoney(context_.regional, value)); };
    ShowResult(totalInterest_, money(result->totalInterest));
    if (result->paidOffIn == 0) {
        // Results of an earlier calculation never stand beside this one's total.
        interestSaved_->clear();
        newInterest_->clear();
        paidOffSentence_->clear();
        return false;
    }
    ShowResult(newInterest_, money(result->newInterest));
    ShowResult(interestSaved_, money(result->interestSaved));
    paidOffSentence_->setText(Q(result->sentence));
    return true;
}

void ExtraRepaymentWindow::openSchedule() {
    if (!calculate()) {
        return;
    }
    const LoanTexts loan = loan_();
    const bool partYear = loan.repaymentFrequency != PaymentFrequency::Annualy;
    schedule_->copyLoan(
        {Q(loan.amount), Q(loan.rate), Q(loan.years), Q(loan.parts), loan.repaymentFrequency});
    schedule_->setFrequencyCaptions(loan.repaymentFrequency, Q(UnitLabel(loan.repaymentFrequency)));
    schedule_->setPartYearVisible(partYear);
    schedule_->setExtra(fieldTexts());
    schedule_->FillLoanSchedule();
    schedule_->exec();
}

void ExtraRepaymentWindow::emptyAndClose() {
    interestSaved_->clear();
    paidOffSentence_->clear();
    newInterest_->clear();
    totalInterest_->clear();
    scheduleButton_->setEnabled(false);
    accept();
}

}  // namespace corbel::ui
