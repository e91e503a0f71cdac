// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LoanPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "calc/NumberTexts.h"
#include "calc/Version.h"
#include "report/Reports.h"
#include "ui/Controls.h"
#include "ui/Palette.h"
#include "ui/Pictures.h"
#include "ui/ReportPrinting.h"

namespace corbel::ui {

namespace {

QString PaymentCaption(PaymentFrequency frequency) {
    return Q(LoanPaymentCaption(frequency));
}

}  // namespace

LoanPage::LoanPage(const UiContext& context, SharedState& state, QWidget* parent)
    : QWidget(parent), context_(context), state_(state) {
    auto* picture = Named(new QLabel(this), "Image1");
    picture->setPixmap(Pixmap(Picture::House, 40));
    auto* title = Caption("MALabel", Q(ProgramName), this);
    MakeHeading(title, 8);

    auto* amountCaption = Caption("MAmountLabel", "Loan Amount", this);
    amount_ = InputField("MAmount", field::Amount, this);
    auto* periodLabel = Caption("Label4", "Period", this);
    years_ = InputField("Period", field::Years, this);
    auto* yearsLabel = Caption("Label97", "Year(s)", this);
    partYear_ = InputField("MPartyear", field::PartYear, this);
    partYearUnit_ = Caption("Label98", "Month(s)", this);
    ReservePartYearRoom(partYear_, partYearUnit_);
    auto* rateLabel = Caption("Label3", "Interest Rate", this);
    rate_ = InputField("IRate", field::Rate, this);
    auto* percent = Caption("Label99", "%", this);

    auto* fields = new QGridLayout;
    AddRow(fields, 0, amountCaption, {amount_});
    AddRow(fields, 1, periodLabel, {years_, yearsLabel, partYear_, partYearUnit_});
    AddRow(fields, 2, rateLabel, {rate_, percent});

    choices_ = MakeLoanChoices(
        {"GroupBox1", "Repayment", "MPayment", "MArrears", "MAdvance", "GroupBox2", "MCompounded"},
        this);

    const QString widestMoney = WidestMoney(context_.regional, MoneyKind::LoanTotal);
    repaymentPanel_ = new CaptionPanel("Panel1", PaymentCaption(DefaultFrequency), this);
    QStringList captions;
    for (const auto& info : Frequencies) {
        captions << PaymentCaption(info.frequency);
    }
    repaymentPanel_->reserveCaptionWidth(captions);
    repaymentResult_ = ResultField("MonthlyRepayment", widestMoney, repaymentPanel_);
    lastPaymentButton_ = Named(new QPushButton("Last Payment", repaymentPanel_), "BitBtn8");
    repaymentPanel_->addWidget(repaymentResult_);
    repaymentPanel_->addWidget(lastPaymentButton_);

    interestPanel_ = new CaptionPanel("Panel6", "   Total Interest Charges are:", this);
    totalInterest_ = ResultField("TotalInterest", widestMoney, interestPanel_);
    interestPanel_->addWidget(totalInterest_);
    // Named apart from the tool bar's button for the same chart, which a
    // screen reader announces in the same window.
    chartButton_ = PictureButton("BitBtn9", Picture::Chart, "Cost Breakdown Graph", this);

    auto* interestRow = new QHBoxLayout;
    interestRow->addWidget(interestPanel_, 1);
    interestRow->addWidget(chartButton_);

    // Print calculates as Calculate does, then prints unless a check refused the loan.
    actions_ = CalculateAndPrintButtons(
        this, context_, {"CalMortBtn", "PrintMortBtn", "PreviewMortBtn"}, "Loan Details",
        [this] { return calculate(); }, [this] { return reportJob(); });
    helpButton_ = PictureButton("BitBtn1", Picture::Help, "Help on the Loan page", this);

    gridButton_ = Named(new QPushButton("Loan Grid", this), "MortgageGridBtn");
    scheduleButton_ = Named(new QPushButton("Schedule", this), "SpeedButton2");
    additionalPaymentsButton_ = Named(new QPushButton("Additional Payments", this), "SpeedButton3");

    auto* heading = new QHBoxLayout;
    heading->addWidget(picture);
    heading->addWidget(title, 1);

    auto* inputs = new QHBoxLayout;
    inputs->addLayout(fields, 1);
    inputs->addLayout(choices_.groups);

    actions_.row->addWidget(helpButton_);

    auto* tables = new QHBoxLayout;
    tables->addWidget(gridButton_);
    tables->addWidget(scheduleButton_);
    tables->addWidget(additionalPaymentsButton_);

    auto* page = new QVBoxLayout(this);
    page->addLayout(heading);
    page->addLayout(inputs);
    page->addWidget(repaymentPanel_);
    page->addLayout(interestRow);
    page->addLayout(actions_.row);
    page->addLayout(tables);
    page->addStretch(1);

    ChainTabOrder({amount_, years_, partYear_, rate_, choices_.repaymentList, choices_.inArrears,
                   choices_.inAdvance, choices_.compoundingList, repaymentResult_,
                   lastPaymentButton_, totalInterest_, chartButton_, actions_.calculate,
                   actions_.print, actions_.preview, helpButton_, gridButton_, scheduleButton_,
                   additionalPaymentsButton_});

    const auto unsaved = [this] { state_.loanSaved = false; };
    for (QLineEdit* edit : {amount_, years_, partYear_, rate_}) {
        connect(edit, &QLineEdit::textChanged, this, unsaved);
        // Enter in a field calculates, as the Calculate button does.
        connect(edit, &QLineEdit::returnPressed, actions_.calculate, &QPushButton::click);
    }
    connect(choices_.compoundingList, &QComboBox::currentIndexChanged, this, unsaved);
    // A change of timing, not a click on the chosen button, leaves the loan unsaved.
    connect(choices_.inArrears, &QRadioButton::toggled, this, unsaved);
    connect(choices_.repaymentList, &QComboBox::currentIndexChanged, this,
            &LoanPage::applyRepaymentFrequency);
    connect(lastPaymentButton_, &QPushButton::clicked, this, &LoanPage::showLastPayment);
    const std::pair<QAbstractButton*, Opener> openers[] = {
        {gridButton_, Opener::Grid},
        {scheduleButton_, Opener::Schedule},
        {additionalPaymentsButton_, Opener::AdditionalPayments},
        {chartButton_, Opener::Chart}};
    for (const auto& [button, opener] : openers) {
        connect(button, &QAbstractButton::clicked, this,
                [this, opener = opener] { emit openRequested(opener); });
    }
    connect(helpButton_, &QToolButton::clicked, this,
            [this] { context_.help.showHelp(topic::LoanPage); });
}

PaymentFrequency LoanPage::repaymentFrequency() const {
    return SelectedFrequency(choices_.repaymentList);
}

LoanOptions LoanPage::options() const {
    return choices_.options();
}

LoanEntry LoanPage::loanEntry() const {
    const LoanOptions chosen = options();
    return {amount_->text(),           rate_->text(),      years_->text(), partYear_->text(),
            chosen.repaymentFrequency, chosen.compounding, chosen.timing};
}

QString LoanPage::partYearUnit() const {
    return partYearUnit_->text();
}

void LoanPage::focusAmount() {
    amount_->setFocus();
}

void LoanPage::click(Opener opener) {
    switch (opener) {
        case Opener::Grid:
            gridButton_->click();
            break;
        case Opener::Schedule:
            scheduleButton_->click();
            break;
        case Opener::AdditionalPayments:
            additionalPaymentsButton_->click();
            break;
        case Opener::Chart:
            chartButton_->click();
            break;
    }
}

void LoanPage::print() {
    actions_.print->click();
}

void LoanPage::setLoan(const LoanEntry& loan) {
    setInputs(loan);
    applyRepaymentFrequency();
}

void LoanPage::clear() {
    setInputs({});
    ShowResult(repaymentResult_, QString());
    ShowResult(totalInterest_, QString());
}

void LoanPage::setInputs(const LoanEntry& loan) {
    // Written texts arrive whole; the checks judge them at the next calculation.
    amount_->setText(loan.amount);
    years_->setText(loan.years);
    partYear_->setText(loan.parts);
    rate_->setText(loan.rate);
    {
        // The frequency change runs once, after every value is in place.
        const QSignalBlocker blocker(choices_.repaymentList);
        choices_.repaymentList->setCurrentIndex(IndexOf(loan.repaymentFrequency));
    }
    choices_.inArrears->setChecked(loan.timing == PaymentTiming::InArrears);
    choices_.inAdvance->setChecked(loan.timing == PaymentTiming::InAdvance);
    choices_.compoundingList->setCurrentIndex(IndexOf(loan.compounding));
}

LoanTexts LoanPage::texts() const {
    return LoanFields{amount_, rate_, years_, partYear_}.texts(options());
}

void LoanPage::applyRepaymentFrequency() {
    state_.loanSaved = false;
    const PaymentFrequency frequency = repaymentFrequency();
    const bool shown = ShowPartYearFor(frequency, partYear_, partYearUnit_);
    const QString caption = PaymentCaption(frequency);
    if (repaymentPanel_->caption() != caption) {
        // The repayment shown was worked out for the frequency its old caption named.
        ShowResult(repaymentResult_, QString());
        repaymentPanel_->setCaption(caption);
    }
    emit partYearShown(shown);
}

bool LoanPage::calculate() {
    totalInterest_->clear();
    repaymentResult_->clear();
    const auto loan = CalculateLoan(texts(), context_.regional);
    if (!loan) {
        context_.dialogs.showMessage(window(), loan.failure());
        return false;
    }
    ShowResult(repaymentResult_, Q(FormatMoney(context_.regional, loan->repayment)));
    state_.summary = loan->run;
    if (loan->notice) {
        context_.dialogs.showMessage(window(), *loan->notice);
    }
    ShowResult(totalInterest_, Q(FormatMoney(context_.regional, loan->totalInterest)));
    return true;
}

ReportJob LoanPage::reportJob() const {
    const report::LoanDetailsReport shown{
        report::ReportLoan(texts()), repaymentPanel_->caption().toStdString(),
        repaymentResult_->text().toStdString(), totalInterest_->text().toStdString()};
    const Regional& regional = context_.regional;
    return [shown, &regional](report::PageDevice& device) {
        return report::PrintLoanDetails(device, shown, regional);
    };
}

void LoanPage::showLastPayment() {
    amount_->setFocus();
    const auto result = LastPayment(texts(), context_.regional);
    if (!result) {
        context_.dialogs.showMessage(window(), result.failure());
        return;
    }
    state_.summary = result->run;
    context_.dialogs.showMessage(window(), result->message);
}

}  // namespace corbel::ui
