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

#include "calc/Version.h"
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
    auto* heading = Named(new QLabel("Loan What If?", this), "WhatIfHeading");
    MakeHeading(heading, 4);
    auto* guide = Named(new QLabel("Calculate any of the four Loan variables. Select the variable "
                                   "to be calculated on the right, and enter the values for the "
                                   "other three variables.",
                                   this),
                        "WhatIfHelpLabel");
    guide->setWordWrap(true);

    auto* amountCaption = Named(new QLabel("Loan Amount", this), "WhatIfAmountLabel");
    amount_ = InputField("WIPrincipal", field::SolvedMoney, this);
    rate_ = InputField("WIInterest", field::SolvedRate, this);
    years_ = InputField("WIPeriods", field::SolvedYears, this);
    partYear_ = InputField("WIPartYear", field::SolvedPartYear, this);
    partYearUnit_ = Named(new QLabel("Months", this), "WIMonthsLabel");
    ReservePartYearRoom(partYear_, partYearUnit_);
    repaymentAmount_ = InputField("WIRepay", field::SolvedMoney, this);

    auto* fields = new QGridLayout;
    AddRow(fields, 0, amountCaption, {amount_});
    AddRow(fields, 1, Named(new QLabel("Interest Rate", this), "Label36"), {rate_});
    AddRow(fields, 2, Named(new QLabel("Periods", this), "Label37"),
           {years_, Named(new QLabel("Year(s)", this), "Label39"), partYear_, partYearUnit_});
    AddRow(fields, 3, Named(new QLabel("Repayment", this), "Label40"), {repaymentAmount_});

    choices_ = MakeLoanChoices({"WIPaymentGroup", "Payment", "WIPayment", "WIArrearsRB",
                                "WIAdvanceRB", "WICompoundedGroup", "WICompounded"},
                               this);

    auto* solveGroup = Named(new QGroupBox("Calculate", this), "WICalculateGroup");
    auto* calculateLayout = new QHBoxLayout(solveGroup);
    for (const WhatIfChoice& choice : WhatIfChoices) {
        auto* button = new QRadioButton(Q(choice.caption), solveGroup);
        button->setObjectName(Q(choice.radioButton));
        button->setChecked(choice.variable == DefaultWhatIfVariable);
        solveButtons_[static_cast<std::size_t>(choice.variable)] = button;
        calculateLayout->addWidget(button);
        // Runs when the choice changes, not when the chosen button is clicked again.
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                markFieldToSolve();
            }
        });
    }

    calculateButton_ = Named(new QPushButton("Calculate", this), "SpeedButton4");
    transferButton_ = Named(new QPushButton("Transfer to " + Q(ProgramName), this), "TransferBtn");
    helpButton_ = PictureButton("BitBtn14", Picture::Help, "Help on the What If? page", this);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(solveGroup);
    left->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 1);
    middle->addLayout(choices_.groups);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculateButton_);
    buttons->addWidget(transferButton_);
    buttons->addStretch(1);
    buttons->addWidget(helpButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(guide);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    layout->addStretch(1);

    ChainTabOrder({amount_, rate_, years_, partYear_, repaymentAmount_, choices_.repaymentList,
                   choices_.inArrears, choices_.inAdvance, choices_.compoundingList,
                   solveButtons_[0], solveButtons_[1], solveButtons_[2], solveButtons_[3],
                   calculateButton_, transferButton_, helpButton_});
    for (WhatIfField f : AllFields) {
        connect(field(f), &QLineEdit::returnPressed, calculateButton_, &QPushButton::click);
    }
    connect(choices_.repaymentList, &QComboBox::currentIndexChanged, this,
            &WhatIfPage::applyRepaymentFrequency);
    connect(calculateButton_, &QPushButton::clicked, this, &WhatIfPage::solve);
    connect(transferButton_, &QPushButton::clicked, this, &WhatIfPage::transferRequested);
    connect(helpButton_, &QToolButton::clicked, this,
            [this] { context_.help.showHelp(topic::WhatIf); });
    markFieldToSolve();
}

QLineEdit* WhatIfPage::field(WhatIfField which) const {
    switch (which) {
        case WhatIfField::Principal:
            return amount_;
        case WhatIfField::Interest:
            return rate_;
        case WhatIfField::Periods:
            return years_;
        case WhatIfField::PartYear:
            return partYear_;
        case WhatIfField::Repay:
            return repaymentAmount_;
    }
    return amount_;
}

WhatIfFields WhatIfPage::fields() const {
    WhatIfFields texts;
    for (WhatIfField f : AllFields) {
        FieldText(texts, f) = field(f)->text().toStdString();
    }
    return texts;
}

LoanEntry WhatIfPage::loanEntry() const {
    const LoanOptions chosen = choices_.options();
    return {amount_->text(),           rate_->text(),      years_->text(), partYear_->text(),
            chosen.repaymentFrequency, chosen.compounding, chosen.timing};
}

QRadioButton* WhatIfPage::solveButton(WhatIfVariable variable) const {
    return solveButtons_[static_cast<std::size_t>(variable)];
}

WhatIfInputs WhatIfPage::record() const {
    WhatIfInputs inputs;
    inputs.amount = amount_->text().toStdString();
    inputs.years = years_->text().toStdString();
    inputs.partYear = partYear_->text().toStdString();
    inputs.rate = rate_->text().toStdString();
    inputs.repay = repaymentAmount_->text().toStdString();
    for (const WhatIfChoice& choice : WhatIfChoices) {
        if (solveButton(choice.variable)->isChecked()) {
            inputs.solveFor = choice.savedCode;
        }
    }
    inputs.repaymentIndex = IndexOf(SelectedFrequency(choices_.repaymentList));
    inputs.timing = choices_.inArrears->isChecked() ? 1 : 2;
    inputs.compoundingIndex = IndexOf(SelectedFrequency(choices_.compoundingList));
    return inputs;
}

void WhatIfPage::apply(const WhatIfInputs& inputs) {
    amount_->setText(Q(inputs.amount));
    years_->setText(Q(inputs.years));
    partYear_->setText(Q(inputs.partYear));
    rate_->setText(Q(inputs.rate));
    repaymentAmount_->setText(Q(inputs.repay));
    if (const auto variable = WhatIfVariableOfSavedCode(inputs.solveFor)) {
        solveButton(*variable)->setChecked(true);
    }
    {
        // The frequency change runs once, below, whether or not the choice moved.
        const QSignalBlocker blocker(choices_.repaymentList);
        choices_.repaymentList->setCurrentIndex(inputs.repaymentIndex);
    }
    if (inputs.timing == 1) {
        choices_.inArrears->setChecked(true);
    } else if (inputs.timing == 2) {
        choices_.inAdvance->setChecked(true);
    }
    choices_.compoundingList->setCurrentIndex(inputs.compoundingIndex);
    // The loaded texts arrive as they stand and in sight, whatever the frequency;
    // the unit keeps its caption until the user changes the frequency.
    partYear_->show();
    partYearUnit_->show();
}

void WhatIfPage::clear() {
    apply({});
    applyRepaymentFrequency();
}

WhatIfVariable WhatIfPage::solving() const {
    for (const WhatIfChoice& choice : WhatIfChoices) {
        if (solveButton(choice.variable)->isChecked()) {
            return choice.variable;
        }
    }
    return DefaultWhatIfVariable;
}

void WhatIfPage::markFieldToSolve() {
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

void WhatIfPage::applyRepaymentFrequency() {
    ShowPartYearFor(SelectedFrequency(choices_.repaymentList), partYear_, partYearUnit_);
}

void WhatIfPage::solve() {
    amount_->setFocus();
    const LoanOptions chosen = choices_.options();
    const auto solved = SolveWhatIf(fields(), solving(), chosen.repaymentFrequency,
                                    chosen.compounding, chosen.timing, context_.regional);
    if (!solved) {
        context_.dialogs.showMessage(window(), solved.failure());
        return;
    }
    for (WhatIfField f : OutputFields(solving())) {
        ShowResult(field(f), Q(FieldText(*solved, f)));
    }
}

}  // namespace corbel::ui
