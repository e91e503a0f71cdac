// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WhatIfPage.h"

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

#include "ui/Controls.h"
#include "ui/LoanPage.h"
#include "ui/Palette.h"
#include "ui/Pictures.h"

namespace corbel::ui {

namespace {

constexpr WhatIfField AllFields[] = {WhatIfField::Principal, WhatIfField::Interest,
                                     WhatIfField::Periods, WhatIfField::PartYear,
                                     WhatIfField::Repay};

}  // namespace

WhatIfPage::WhatIfPage(const UiContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    WhatIfHeading = Named(new QLabel("Loan What If?", this), "WhatIfHeading");
    MakeHeading(WhatIfHeading, 4);
    WhatIfHelpLabel =
        Named(new QLabel("Calculate any of the four Loan variables. Select the variable "
                         "to be calculated on the right, and enter the values for the "
                         "other three variables.",
                         this),
              "WhatIfHelpLabel");
    WhatIfHelpLabel->setWordWrap(true);

    WhatIfAmountLabel = Named(new QLabel("Loan Amount", this), "WhatIfAmountLabel");
    WIPrincipal = InputField("WIPrincipal", 0, 16, this);
    WIInterest = InputField("WIInterest", 8, 16, this);
    WIPeriods = InputField("WIPeriods", 0, 5, this);
    WIPartYear = InputField("WIPartYear", 3, 5, this);
    WIMonthsLabel = Named(new QLabel("Months", this), "WIMonthsLabel");
    ReservePartYearRoom(WIPartYear, WIMonthsLabel);
    WIRepay = InputField("WIRepay", 0, 16, this);

    auto* fields = new QGridLayout;
    AddRow(fields, 0, WhatIfAmountLabel, {WIPrincipal});
    AddRow(fields, 1, Named(new QLabel("Interest Rate", this), "Label36"), {WIInterest});
    AddRow(fields, 2, Named(new QLabel("Periods", this), "Label37"),
           {WIPeriods, Named(new QLabel("Year(s)", this), "Label39"), WIPartYear, WIMonthsLabel});
    AddRow(fields, 3, Named(new QLabel("Repayment", this), "Label40"), {WIRepay});

    auto* payment = Named(new QGroupBox("Payment", this), "WIPaymentGroup");
    WIPayment = Named(new QComboBox(payment), "WIPayment");
    FillFrequencyList(WIPayment);
    WIArrearsRB = Named(new QRadioButton("In Arrears", payment), "WIArrearsRB");
    WIAdvanceRB = Named(new QRadioButton("In Advance", payment), "WIAdvanceRB");
    WIArrearsRB->setChecked(true);
    auto* paymentLayout = new QVBoxLayout(payment);
    paymentLayout->addWidget(WIPayment);
    paymentLayout->addWidget(WIArrearsRB);
    paymentLayout->addWidget(WIAdvanceRB);

    auto* compounded = Named(new QGroupBox("Interest Compounded", this), "WICompoundedGroup");
    WICompounded = Named(new QComboBox(compounded), "WICompounded");
    FillFrequencyList(WICompounded);
    (new QVBoxLayout(compounded))->addWidget(WICompounded);

    auto* calculate = Named(new QGroupBox("Calculate", this), "WICalculateGroup");
    const auto solveButton = [calculate](WhatIfVariable variable) {
        const WhatIfChoice& choice = ChoiceOf(variable);
        auto* button = new QRadioButton(Q(choice.caption), calculate);
        button->setObjectName(Q(choice.radioButton));
        return button;
    };
    PaymentRB = solveButton(WhatIfVariable::Payment);
    AmountRB = solveButton(WhatIfVariable::Amount);
    PeriodRB = solveButton(WhatIfVariable::Periods);
    InterestRB = solveButton(WhatIfVariable::Interest);
    AmountRB->setChecked(true);
    auto* calculateLayout = new QHBoxLayout(calculate);
    for (QRadioButton* rb : {PaymentRB, AmountRB, PeriodRB, InterestRB}) {
        calculateLayout->addWidget(rb);
        // Runs when the choice changes, not when the chosen button is clicked again.
        connect(rb, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                AmountRBClick();
            }
        });
    }

    SpeedButton4 = Named(new QPushButton("Calculate", this), "SpeedButton4");
    TransferBtn = Named(new QPushButton("Transfer to Corbelwright", this), "TransferBtn");
    BitBtn14 = PictureButton("BitBtn14", Picture::Help, "Help", this);

    auto* options = new QVBoxLayout;
    options->addWidget(payment);
    options->addWidget(compounded);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(calculate);
    left->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 1);
    middle->addLayout(options);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton4);
    buttons->addWidget(TransferBtn);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn14);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WhatIfHeading);
    layout->addWidget(WhatIfHelpLabel);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    layout->addStretch(1);

    ChainTabOrder({WIPrincipal, WIInterest, WIPeriods, WIPartYear, WIRepay, WIPayment, WIArrearsRB,
                   WIAdvanceRB, WICompounded, PaymentRB, AmountRB, PeriodRB, InterestRB,
                   SpeedButton4, TransferBtn, BitBtn14});
    for (WhatIfField f : AllFields) {
        connect(field(f), &QLineEdit::returnPressed, SpeedButton4, &QPushButton::click);
    }
    connect(WIPayment, &QComboBox::currentIndexChanged, this, &WhatIfPage::WIPaymentChange);
    connect(SpeedButton4, &QPushButton::clicked, this, &WhatIfPage::SpeedButton4Click);
    connect(TransferBtn, &QPushButton::clicked, this, &WhatIfPage::transferRequested);
    connect(BitBtn14, &QToolButton::clicked, this,
            [this] { context_.help.showHelp(topic::WhatIf); });
    AmountRBClick();
}

QLineEdit* WhatIfPage::field(WhatIfField which) const {
    switch (which) {
        case WhatIfField::Principal:
            return WIPrincipal;
        case WhatIfField::Interest:
            return WIInterest;
        case WhatIfField::Periods:
            return WIPeriods;
        case WhatIfField::PartYear:
            return WIPartYear;
        case WhatIfField::Repay:
            return WIRepay;
    }
    return WIPrincipal;
}

WhatIfFields WhatIfPage::fields() const {
    WhatIfFields texts;
    for (WhatIfField f : AllFields) {
        FieldText(texts, f) = field(f)->text().toStdString();
    }
    return texts;
}

void WhatIfPage::relabel(const QString& programName) {
    WhatIfAmountLabel->setText("Loan Amount");
    WhatIfHeading->setText("Loan What If?");
    WhatIfHelpLabel->setText(
        "Calculate any of the four Loan variables. Select the variable to be calculated on the "
        "right, and enter the values for the other three variables.");
    TransferBtn->setText("Transfer to " + programName);
}

LoanEntry WhatIfPage::loanEntry() const {
    return {WIPrincipal->text(),
            WIInterest->text(),
            WIPeriods->text(),
            WIPartYear->text(),
            SelectedFrequency(WIPayment),
            SelectedFrequency(WICompounded),
            WIArrearsRB->isChecked() ? PaymentTiming::InArrears : PaymentTiming::InAdvance};
}

QRadioButton* WhatIfPage::solveButton(WhatIfVariable variable) const {
    return findChild<QRadioButton*>(Q(ChoiceOf(variable).radioButton));
}

WhatIfInputs WhatIfPage::record() const {
    WhatIfInputs inputs;
    inputs.amount = WIPrincipal->text().toStdString();
    inputs.years = WIPeriods->text().toStdString();
    inputs.partYear = WIPartYear->text().toStdString();
    inputs.rate = WIInterest->text().toStdString();
    inputs.repay = WIRepay->text().toStdString();
    for (const WhatIfChoice& choice : WhatIfChoices) {
        if (solveButton(choice.variable)->isChecked()) {
            inputs.solveFor = choice.savedCode;
        }
    }
    inputs.repaymentIndex = IndexOf(SelectedFrequency(WIPayment));
    inputs.timing = WIArrearsRB->isChecked() ? 1 : 2;
    inputs.compoundingIndex = IndexOf(SelectedFrequency(WICompounded));
    return inputs;
}

void WhatIfPage::apply(const WhatIfInputs& inputs) {
    WIPrincipal->setText(Q(inputs.amount));
    WIPeriods->setText(Q(inputs.years));
    WIPartYear->setText(Q(inputs.partYear));
    WIInterest->setText(Q(inputs.rate));
    WIRepay->setText(Q(inputs.repay));
    if (const auto variable = WhatIfVariableOfSavedCode(inputs.solveFor)) {
        solveButton(*variable)->setChecked(true);
    }
    {
        // The frequency change runs once, below, whether or not the choice moved.
        const QSignalBlocker blocker(WIPayment);
        WIPayment->setCurrentIndex(inputs.repaymentIndex);
    }
    if (inputs.timing == 1) {
        WIArrearsRB->setChecked(true);
    } else if (inputs.timing == 2) {
        WIAdvanceRB->setChecked(true);
    }
    WICompounded->setCurrentIndex(inputs.compoundingIndex);
    // The loaded texts arrive as they stand and in sight, whatever the frequency;
    // the unit keeps its caption until the user changes the frequency.
    WIPartYear->show();
    WIMonthsLabel->show();
}

WhatIfVariable WhatIfPage::solving() const {
    for (const WhatIfChoice& choice : WhatIfChoices) {
        if (solveButton(choice.variable)->isChecked()) {
            return choice.variable;
        }
    }
    return DefaultWhatIfVariable;
}

void WhatIfPage::AmountRBClick() {
    const WhatIfVariable solve = solving();
    for (WhatIfField f : AllFields) {
        QLineEdit* e = field(f);
        e->setToolTip(QString());
        if (IsOutputField(solve, f)) {
            e->clear();
            MakeResultField(e);
        } else {
            MakeInputField(e);
        }
    }
}

void WhatIfPage::WIPaymentChange() {
    ShowPartYearFor(SelectedFrequency(WIPayment), WIPartYear, WIMonthsLabel);
}

void WhatIfPage::SpeedButton4Click() {
    WIPrincipal->setFocus();
    const auto solved = SolveWhatIf(
        fields(), solving(), SelectedFrequency(WIPayment), SelectedFrequency(WICompounded),
        WIArrearsRB->isChecked() ? PaymentTiming::InArrears : PaymentTiming::InAdvance,
        context_.regional);
    if (!solved) {
        context_.dialogs.showMessage(window(), solved.failure());
        return;
    }
    for (WhatIfField f : OutputFields(solving())) {
        ShowResult(field(f), Q(FieldText(*solved, f)));
    }
}

}  // namespace corbel::ui
