// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ResidualValuePage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string>

#include "calc/NumberTexts.h"
#include "report/Reports.h"
#include "ui/Controls.h"
#include "ui/LoanPage.h"
#include "ui/Palette.h"
#include "ui/Pictures.h"
#include "ui/ReportPrinting.h"

namespace corbel::ui {

namespace {

// The loan the page starts with.
ResidualInputs StartInputs() {
    // Strings moved in, not literals assigned: GCC 12's optimiser takes a
    // literal assigned to a fresh string for an overlapping copy (-Wrestrict).
    ResidualInputs start;
    start.amount = std::string("10000");
    start.years = std::string("5");
    start.rate = std::string("10");
    return start;
}

}  // namespace

ResidualValuePage::ResidualValuePage(const UiContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    auto* heading = Caption("Label38", "Residual Value", this);
    MakeHeading(heading, 4);

    const QString widestMoney = WidestMoney(context_.regional, MoneyKind::Amount);
    amount_ = InputField("RVAmount", field::Amount, this, Q(StartInputs().amount));
    rate_ = InputField("RVInterest", field::ResidualRate, this, Q(StartInputs().rate));
    years_ = InputField("RVPeriod", field::Years, this, Q(StartInputs().years));
    partYear_ = InputField("RVPartYear", field::PartYear, this);
    partYearUnit_ = Caption("Label90", "Months", this);
    ReservePartYearRoom(partYear_, partYearUnit_);

    auto* fields = new QGridLayout;
    AddRow(fields, 0, Caption("Label1", "Loan Amount", this), {amount_});
    AddRow(fields, 1, Caption("Label5", "Interest Rate", this), {rate_});
    AddRow(fields, 2, Caption("Label22", "Period", this),
           {years_, Caption("Label96", "Years", this), partYear_, partYearUnit_});

    auto* repayment = Named(new QGroupBox("Repayment", this), "RVRepaymentGroup");
    repaymentList_ = FrequencyList("RVPayment", repayment);
    (new QVBoxLayout(repayment))->addWidget(repaymentList_);
    auto* interest = Named(new QGroupBox("Interest", this), "RVInterestGroup");
    compoundingList_ = FrequencyList("RVCompounded", interest);
    auto* interestLayout = new QVBoxLayout(interest);
    interestLayout->addWidget(Caption("Label21", "Compounded", interest));
    interestLayout->addWidget(compoundingList_);

    // Print calculates as Calculate does, then prints unless something was refused.
    actions_ = CalculateAndPrintButtons(
        this, context_, {"BitBtn3", "PrintRVDetailsBtn", "PreviewRVDetailsBtn"}, "Residual Value",
        [this] { return calculate(); }, [this] { return reportJob(); });

    // The captions that name the frequency keep room for the longest word.
    QStringList noResidual, proposed, requiring;
    for (const auto& info : Frequencies) {
        const ResidualCaptions captions = ResidualCaptionsFor(info.frequency);
        noResidual << Q(captions.noResidual);
        proposed << Q(captions.proposed);
        requiring << Q(captions.requiresRepayment);
    }
    requiring << Q(InitialRequiresCaption);

    noResidualPanel_ =
        new CaptionPanel("Panel9", "   Monthly Repayment with no Residual Value", this);
    noResidualPanel_->reserveCaptionWidth(noResidual);
    noResidualRepayment_ = ResultField("RVMRepayment", widestMoney, noResidualPanel_);
    noResidualPanel_->addWidget(noResidualRepayment_);

    proposedCaption_ = Caption("Label23", "Proposed Monthly Repayment of", this);
    ReserveWidth(proposedCaption_, proposed);
    proposedRepayment_ = InputField("RVResValue", field::Amount, this);
    residual_ = ResultField("RV1", widestMoney, this);
    residualPercent_ = ResultField("RV1Percent", WidestPercent, this);
    chosenPercent_ = InputField("RV2Percent", field::Percent, this);
    chosenResidual_ = ResultField("RV2", widestMoney, this);
    requiredCaption_ = Caption("Label29", Q(InitialRequiresCaption), this);
    ReserveWidth(requiredCaption_, requiring);
    repaymentForResidual_ = ResultField("RVMR", widestMoney, this);

    // Each row reads as one sentence, on one line.
    auto* leaves = Caption("Label24", "leaves a residual value of", this);
    auto* residualOf = Caption("Label27", "Residual Value of", this);
    auto* results = new QGridLayout;
    AddRow(results, 0, proposedCaption_, {proposedRepayment_});
    AddRow(results, 1, leaves,
           {residual_, Caption("Label26", "or", this), residualPercent_,
            Caption("Label25", "%", this)});
    AddRow(results, 2, residualOf,
           {chosenPercent_, Caption("Label28", "% leaves a Residual Value of", this),
            chosenResidual_});
    AddRow(results, 3, requiredCaption_, {repaymentForResidual_});
    for (QLabel* opening : {proposedCaption_, leaves, residualOf, requiredCaption_}) {
        opening->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    results->setColumnStretch(1, 1);

    auto* options = new QVBoxLayout;
    options->addWidget(repayment);
    options->addWidget(interest);
    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addLayout(options);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(top);
    layout->addLayout(actions_.row);
    layout->addWidget(noResidualPanel_);
    layout->addLayout(results);
    layout->addStretch(1);

    ChainTabOrder({amount_, rate_, years_, partYear_, repaymentList_, compoundingList_,
                   actions_.calculate, actions_.print, actions_.preview, noResidualRepayment_,
                   proposedRepayment_, residual_, residualPercent_, chosenPercent_, chosenResidual_,
                   repaymentForResidual_});
    for (QLineEdit* e : {amount_, rate_, years_, partYear_, proposedRepayment_, chosenPercent_}) {
        connect(e, &QLineEdit::returnPressed, actions_.calculate, &QPushButton::click);
    }
    connect(repaymentList_, &QComboBox::currentIndexChanged, this,
            &ResidualValuePage::applyRepaymentFrequency);
}

ResidualTexts ResidualValuePage::texts() const {
    ResidualTexts texts;
    texts.amount = amount_->text().toStdString();
    texts.rate = rate_->text().toStdString();
    texts.years = years_->text().toStdString();
    texts.parts = partYear_->text().toStdString();
    texts.proposed = proposedRepayment_->text().toStdString();
    texts.residualPercent = chosenPercent_->text().toStdString();
    texts.repaymentFrequency = SelectedFrequency(repaymentList_);
    texts.compounding = SelectedFrequency(compoundingList_);
    return texts;
}

ResidualInputs ResidualValuePage::record() const {
    ResidualInputs inputs;
    inputs.amount = amount_->text().toStdString();
    inputs.years = years_->text().toStdString();
    inputs.partYear = partYear_->text().toStdString();
    inputs.rate = rate_->text().toStdString();
    inputs.repaymentIndex = IndexOf(SelectedFrequency(repaymentList_));
    inputs.compoundingIndex = IndexOf(SelectedFrequency(compoundingList_));
    inputs.proposedRepayment = proposedRepayment_->text().toStdString();
    inputs.residualPercent = chosenPercent_->text().toStdString();
    return inputs;
}

void ResidualValuePage::apply(const ResidualInputs& inputs) {
    // Written texts arrive whole, whatever the typing limits.
    amount_->setText(Q(inputs.amount));
    years_->setText(Q(inputs.years));
    partYear_->setText(Q(inputs.partYear));
    rate_->setText(Q(inputs.rate));
    {
        const QSignalBlocker blocker(repaymentList_);
        repaymentList_->setCurrentIndex(inputs.repaymentIndex);
    }
    compoundingList_->setCurrentIndex(inputs.compoundingIndex);
    proposedRepayment_->setText(Q(inputs.proposedRepayment));
    chosenPercent_->setText(Q(inputs.residualPercent));
}

void ResidualValuePage::clear() {
    apply({});
    clearResults();
}

void ResidualValuePage::restart() {
    apply(StartInputs());
    clearResults();
    applyRepaymentFrequency();
}

void ResidualValuePage::print() {
    actions_.print->click();
}

void ResidualValuePage::clearResults() {
    for (QLineEdit* result : {noResidualRepayment_, residual_, residualPercent_, chosenResidual_,
                              repaymentForResidual_}) {
        ShowResult(result, QString());
    }
}

void ResidualValuePage::setCaptions(const ResidualCaptions& captions) {
    noResidualPanel_->setCaption(Q(captions.noResidual));
    proposedCaption_->setText(Q(captions.proposed));
    requiredCaption_->setText(Q(captions.requiresRepayment));
}

void ResidualValuePage::applyRepaymentFrequency() {
    const PaymentFrequency frequency = SelectedFrequency(repaymentList_);
    const ResidualCaptions captions = ResidualCaptionsFor(frequency);
    if (noResidualPanel_->caption() != Q(captions.noResidual)) {
        // Every result was worked out for the frequency the old captions named.
        clearResults();
    }
    setCaptions(captions);
    ShowPartYearFor(frequency, partYear_, partYearUnit_);
}

bool ResidualValuePage::calculate() {
    amount_->setFocus();
    clearResults();
    const auto result = CalculateResidualValue(texts(), context_.regional);
    if (!result) {
        context_.dialogs.showMessage(window(), result.failure());
        return false;
    }
    const Regional& regional = context_.regional;
    setCaptions(result->captions);
    ShowResult(noResidualRepayment_, Q(FormatMoney(regional, result->noResidualRepayment)));
    if (result->refusal) {
        context_.dialogs.showMessage(window(), *result->refusal);
        return false;
    }
    if (result->residual) {
        ShowResult(residual_, Q(FormatMoney(regional, *result->residual)));
        ShowResult(residualPercent_, Q(*result->residualPercentText));
    }
    if (result->repaymentForResidual) {
        ShowResult(repaymentForResidual_, Q(FormatMoney(regional, *result->repaymentForResidual)));
        ShowResult(chosenResidual_, Q(FormatMoney(regional, *result->residualMoney)));
    }
    return true;
}

ReportJob ResidualValuePage::reportJob() const {
    const auto text = [](const QLineEdit* field) { return field->text().toStdString(); };
    const report::ResidualValueReport shown{
        report::ReportLoan(texts()), text(noResidualRepayment_),
        text(proposedRepayment_),    text(residual_),
        text(residualPercent_),      text(chosenPercent_),
        text(chosenResidual_),       text(repaymentForResidual_)};
    const Regional& regional = context_.regional;
    return [shown, &regional](report::PageDevice& device) {
        return report::PrintResidualValue(device, shown, regional);
    };
}

}  // namespace corbel::ui
