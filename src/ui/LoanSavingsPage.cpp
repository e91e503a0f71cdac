// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LoanSavingsPage.h"

#include <QFormLayout>
#include <QLineEdit>

#include "calc/NumberReading.h"

namespace corbel::ui {

LoanSavingsPage::LoanSavingsPage(const UiContext& context, SharedState& state, QWidget* parent)
    : QWidget(parent), context_(context), state_(state) {
    auto* layout = new QFormLayout(this);
    auto field = [&](const char* name, const char* caption) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        layout->addRow(caption, edit);
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { MSavingsAmountChange(edit); });
        return edit;
    };
    MSavingsAmount = field("MSavingsAmount", "Loan Amount");
    mperiod = field("mperiod", "Period(years)");
    minterest = field("minterest", "Interest rate(%)");
    reducedperiod = field("reducedperiod", "Reduced Period(years)");
    investrate = field("investrate", "Investment rate(%)");
}

void LoanSavingsPage::copyLoan(const QString& amount, const QString& years, const QString& rate) {
    MSavingsAmount->setText(amount);
    mperiod->setText(years);
    minterest->setText(rate);
}

void LoanSavingsPage::record(SavedLoan& loan) const {
    loan.savingsAmount = MSavingsAmount->text().toStdString();
    loan.savingsPeriod = mperiod->text().toStdString();
    loan.savingsRate = minterest->text().toStdString();
    loan.reducedPeriod = reducedperiod->text().toStdString();
    loan.investRate = investrate->text().toStdString();
}

void LoanSavingsPage::apply(const SavedLoan& loan) {
    MSavingsAmount->setText(Q(loan.savingsAmount));
    mperiod->setText(Q(loan.savingsPeriod));
    minterest->setText(Q(loan.savingsRate));
    reducedperiod->setText(Q(loan.reducedPeriod));
    investrate->setText(Q(loan.investRate));
}

void LoanSavingsPage::clear() {
    // The period goes first: while it still read "0", emptying another field
    // would complain about it.
    for (QLineEdit* field : {mperiod, MSavingsAmount, minterest, reducedperiod, investrate}) {
        field->clear();
    }
}

void LoanSavingsPage::MSavingsAmountChange(QLineEdit* sender) {
    state_.LoanSaved = false;
    const std::string text = sender->text().toStdString();
    const std::pair<QLineEdit*, std::string_view> numericMessages[] = {
        {MSavingsAmount, msg::SavingsAmountNumeric},
        {mperiod, msg::SavingsPeriodNumeric},
        {minterest, msg::SavingsInterestNumeric},
        {reducedperiod, msg::SavingsReducedNumeric},
        {investrate, msg::SavingsInvestNumeric}};
    if (!Strip(text).empty() && !IsNumber(text, context_.regional.decimalSeparator())) {
        for (const auto& [field, message] : numericMessages) {
            if (field == sender) {
                context_.dialogs.showMessage(window(),
                                             Message{MessageCause::SavingsFieldInvalid, message});
            }
        }
        return;
    }
    if (mperiod->text() == "0") {
        context_.dialogs.showMessage(
            window(), Message{MessageCause::SavingsFieldInvalid, msg::SavingsPeriodZero});
    }
}

}  // namespace corbel::ui
