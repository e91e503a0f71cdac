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

#include "calc/NumberTexts.h"
#include "report/Reports.h"
#include "ui/Controls.h"
#include "ui/LoanPage.h"
#include "ui/Palette.h"
#include "ui/Pictures.h"
#include "ui/ReportPrinting.h"

namespace corbel::ui {

ResidualValuePage::ResidualValuePage(const UiContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    auto* heading = Caption("Label38", "Residual Value", this);
    MakeHeading(heading, 4);

    const QString widestMoney = Q(FormatMoney(context_.regional, -999999999.99));
    RVAmount = InputField("RVAmount", 9, 10, this, "10000");
    RVInterest = InputField("RVInterest", 5, 10, this, "10");
    RVPeriod = InputField("RVPeriod", 2, 3, this, "5");
    RVPartYear = InputField("RVPartYear", 3, 4, this);
    Label90 = Caption("Label90", "Months", this);
    ReservePartYearRoom(RVPartYear, Label90);

    auto* fields = new QGridLayout;
    AddRow(fields, 0, Caption("Label1", "Loan Amount", this), {RVAmount});
    AddRow(fields, 1, Caption("Label5", "Interest Rate", this), {RVInterest});
    AddRow(fields, 2, Caption("Label22", "Period", this),
           {RVPeriod, Caption("Label96", "Years", this), RVPartYear, Label90});

    auto* repayment = Named(new QGroupBox("Repayment", this), "RVRepaymentGroup");
    RVPayment = Named(new QComboBox(repayment), "RVPayment");
    FillFrequencyList(RVPayment);
    (new QVBoxLayout(repayment))->addWidget(RVPayment);
    auto* interest = Named(new QGroupBox("Interest", this), "RVInterestGroup");
    RVCompounded = Named(new QComboBox(interest), "RVCompounded");
    FillFrequencyList(RVCompounded);
    auto* interestLayout = new QVBoxLayout(interest);
    interestLayout->addWidget(Caption("Label21", "Compounded", interest));
    interestLayout->addWidget(RVCompounded);

    BitBtn3 = Named(new QPushButton("Calculate", this), "BitBtn3");
    PrintRVDetailsBtn = Named(new QPushButton("Print", this), "PrintRVDetailsBtn");
    PrintRVDetailsBtn->setIcon(Icon(Picture::Print));
    PreviewRVDetailsBtn = PreviewButton("PreviewRVDetailsBtn", this);

    // The captions that name the frequency keep room for the longest word.
    QStringList noResidual, proposed, requiring;
    for (const auto& info : Frequencies) {
        const ResidualCaptions captions = ResidualCaptionsFor(info.frequency);
        noResidual << Q(captions.noResidual);
        proposed << Q(captions.proposed);
        requiring << Q(captions.requiresRepayment);
    }
    requiring << Q(InitialRequiresCaption);

    Panel9 = new CaptionPanel("Panel9", "   Monthly Repayment with no Residual Value", this);
    Panel9->reserveCaptionWidth(noResidual);
    RVMRepayment = ResultField("RVMRepayment", widestMoney, Panel9);
    Panel9->addWidget(RVMRepayment);

    Label23 = Caption("Label23", "Proposed Monthly Repayment of", this);
    ReserveWidth(Label23, proposed);
    RVResValue = InputField("RVResValue", 9, 10, this);
    RV1 = ResultField("RV1", widestMoney, this);
    RV1Percent = ResultField("RV1Percent", "-99999.99", this);
    RV2Percent = InputField("RV2Percent", 5, 6, this);
    RV2 = ResultField("RV2", widestMoney, this);
    Label29 = Caption("Label29", Q(InitialRequiresCaption), this);
    ReserveWidth(Label29, requiring);
    RVMR = ResultField("RVMR", widestMoney, this);

    // Each row reads as one sentence, on one line.
    auto* leaves = Caption("Label24", "leaves a residual value of", this);
    auto* residualOf = Caption("Label27", "Residual Value of", this);
    auto* results = new QGridLayout;
    AddRow(results, 0, Label23, {RVResValue});
    AddRow(results, 1, leaves,
           {RV1, Caption("Label26", "or", this), RV1Percent, Caption("Label25", "%", this)});
    AddRow(results, 2, residualOf,
           {RV2Percent, Caption("Label28", "% leaves a Residual Value of", this), RV2});
    AddRow(results, 3, Label29, {RVMR});
    for (QLabel* opening : {Label23, leaves, residualOf, Label29}) {
        opening->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    results->setColumnStretch(1, 1);

    auto* options = new QVBoxLayout;
    options->addWidget(repayment);
    options->addWidget(interest);
    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addLayout(options);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn3);
    buttons->addWidget(PrintRVDetailsBtn);
    buttons->addWidget(PreviewRVDetailsBtn);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->addWidget(Panel9);
    layout->addLayout(results);
    layout->addStretch(1);

    ChainTabOrder({RVAmount, RVInterest, RVPeriod, RVPartYear, RVPayment, RVCompounded, BitBtn3,
                   PrintRVDetailsBtn, PreviewRVDetailsBtn, RVResValue, RV2Percent});
    for (QLineEdit* e : {RVAmount, RVInterest, RVPeriod, RVPartYear, RVResValue, RV2Percent}) {
        connect(e, &QLineEdit::returnPressed, BitBtn3, &QPushButton::click);
    }
    connect(RVPayment, &QComboBox::currentIndexChanged, this, &ResidualValuePage::RVPaymentChange);
    connect(BitBtn3, &QPushButton::clicked, this, &ResidualValuePage::BitBtn3Click);
    // Print calculates as Calculate does, then prints unless something was refused.
    connect(PrintRVDetailsBtn, &QPushButton::clicked, this, [this] {
        if (calculate()) {
            PrintWithDialog(window(), context_, "Residual Value", reportJob());
        }
    });
    connect(PreviewRVDetailsBtn, &QPushButton::clicked, this, [this] {
        if (calculate()) {
            PreviewWithDialog(window(), context_, "Residual Value", reportJob());
        }
    });
}

ResidualTexts ResidualValuePage::texts() const {
    ResidualTexts texts;
    texts.amount = RVAmount->text().toStdString();
    texts.rate = RVInterest->text().toStdString();
    texts.years = RVPeriod->text().toStdString();
    texts.parts = RVPartYear->text().toStdString();
    texts.proposed = RVResValue->text().toStdString();
    texts.residualPercent = RV2Percent->text().toStdString();
    texts.repaymentFrequency = SelectedFrequency(RVPayment);
    texts.compounding = SelectedFrequency(RVCompounded);
    return texts;
}

ResidualInputs ResidualValuePage::record() const {
    ResidualInputs inputs;
    inputs.amount = RVAmount->text().toStdString();
    inputs.years = RVPeriod->text().toStdString();
    inputs.partYear = RVPartYear->text().toStdString();
    inputs.rate = RVInterest->text().toStdString();
    inputs.repaymentIndex = IndexOf(SelectedFrequency(RVPayment));
    inputs.compoundingIndex = IndexOf(SelectedFrequency(RVCompounded));
    inputs.proposedRepayment = RVResValue->text().toStdString();
    inputs.residualPercent = RV2Percent->text().toStdString();
    return inputs;
}

void ResidualValuePage::apply(const ResidualInputs& inputs) {
    // Written texts arrive whole, whatever the typing limits.
    RVAmount->setText(Q(inputs.amount));
    RVPeriod->setText(Q(inputs.years));
    RVPartYear->setText(Q(inputs.partYear));
    RVInterest->setText(Q(inputs.rate));
    {
        const QSignalBlocker blocker(RVPayment);
        RVPayment->setCurrentIndex(inputs.repaymentIndex);
    }
    RVCompounded->setCurrentIndex(inputs.compoundingIndex);
    RVResValue->setText(Q(inputs.proposedRepayment));
    RV2Percent->setText(Q(inputs.residualPercent));
}

void ResidualValuePage::clear() {
    apply({});
    for (QLineEdit* e : {RVMRepayment, RV1, RV1Percent, RV2, RVMR}) {
        ShowResult(e, QString());
    }
}

void ResidualValuePage::setCaptions(const ResidualCaptions& captions) {
    Panel9->setCaption(Q(captions.noResidual));
    Label23->setText(Q(captions.proposed));
    Label29->setText(Q(captions.requiresRepayment));
}

void ResidualValuePage::RVPaymentChange() {
    const PaymentFrequency frequency = SelectedFrequency(RVPayment);
    const ResidualCaptions captions = ResidualCaptionsFor(frequency);
    if (Panel9->caption() != Q(captions.noResidual)) {
        // Every result was worked out for the frequency the old captions named.
        for (QLineEdit* e : {RVMRepayment, RV1, RV1Percent, RV2, RVMR}) {
            ShowResult(e, QString());
        }
    }
    setCaptions(captions);
    ShowPartYearFor(frequency, RVPartYear, Label90);
}

void ResidualValuePage::BitBtn3Click() {
    calculate();
}

bool ResidualValuePage::calculate() {
    RVAmount->setFocus();
    for (QLineEdit* e : {RVMRepayment, RV1, RV1Percent, RV2, RVMR}) {
        ShowResult(e, QString());
    }
    const auto result = CalculateResidualValue(texts(), context_.regional);
    if (!result) {
        context_.dialogs.showMessage(window(), result.failure());
        return false;
    }
    const Regional& regional = context_.regional;
    setCaptions(result->captions);
    ShowResult(RVMRepayment, Q(FormatMoney(regional, result->noResidualRepayment)));
    if (result->refusal) {
        context_.dialogs.showMessage(window(), *result->refusal);
        return false;
    }
    if (result->residual) {
        ShowResult(RV1, Q(FormatMoney(regional, *result->residual)));
        ShowResult(RV1Percent, Q(*result->residualPercentText));
    }
    if (result->repaymentForResidual) {
        ShowResult(RVMR, Q(FormatMoney(regional, *result->repaymentForResidual)));
        ShowResult(RV2, Q(FormatMoney(regional, *result->residualMoney)));
    }
    return true;
}

ReportJob ResidualValuePage::reportJob() const {
    const auto text = [](const QLineEdit* field) { return field->text().toStdString(); };
    const report::ResidualValueReport shown{report::ReportLoan(texts()),
                                            text(RVMRepayment),
                                            text(RVResValue),
                                            text(RV1),
                                            text(RV1Percent),
                                            text(RV2Percent),
                                            text(RV2),
                                            text(RVMR)};
    const Regional& regional = context_.regional;
    return [shown, &regional](report::PageDevice& device) {
        return report::PrintResidualValue(device, shown, regional);
    };
}

}  // namespace corbel::ui
