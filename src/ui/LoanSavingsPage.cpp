// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LoanSavingsPage.h"

#include <QFormLayout>
#include <QLineEdit>

#include "calc/NumberReading.h"

namespace corbel::ui {

namespace {

// The page stands in a window that is never shown; its messages go over the
// window that one belongs to.
QWidget* ShownWindow(const QWidget* page) {
    QWidget* own = page->window();
    return own->parentWidget() ? own->parentWidget()->window() : own;
}

}  // namespace

LoanSavingsPage::LoanSavingsPage(const UiContext& context, SharedState& state, QWidget* parent)
    : QWidget(parent), context_(context), state_(state) {
    auto* layout = new QFormLayout(this);
    auto field = [&](const char* name, const char* caption) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        layout->addRow(caption, edit);
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { checkChange(edit); });
        return edit;
    };
    amount_ = field("MSavingsAmount", "Loan Amount");
    years_ = field("mperiod", "Period(years)");
    rate_ = field("minterest", "Interest rate(%)");
    reducedYears_ = field("reducedperiod", "Reduced Period(years)");
    investmentRate_ = field("investrate", "Investment rate(%)");
}

void LoanSavingsPage::copyLoan(const QString& amount, const QString& years, const QString& rate) {
    amount_->setText(amount);
    years_->setText(years);
    rate_->setText(rate);
}

void LoanSavingsPage::record(SavedLoan& loan) const {
    loan.savingsAmount = amount_->text().toStdString();
    loan.savingsPeriod = years_->text().toStdString();
    loan.savingsRate = rate_->text().toStdString();
    loan.reducedPeriod = reducedYears_->text().toStdString();
    loan.investRate = investmentRate_->text().toStdString();
}

void LoanSavingsPage::apply(const SavedLoan& loan) {
    amount_->setText(Q(loan.savingsAmount));
    years_->setText(Q(loan.savingsPeriod));
    rate_->setText(Q(loan.savingsRate));
    reducedYears_->setText(Q(loan.reducedPeriod));
    investmentRate_->setText(Q(loan.investRate));
}

void LoanSavingsPage::clear() {
    // The period goes first: while it still read "0", emptying another field
    // would complain about it.
    for (QLineEdit* field : {years_, amount_, rate_, reducedYears_, investmentRate_}) {
        field->clear();
    }
}

void LoanSavingsPage::checkChange(QLineEdit* changed) {
    state_.loanSaved = false;
    const std::string text = changed->text().toStdString();
    const std::pair<QLineEdit*, std::string_view> numericMessages[] = {
        {amount_, msg::SavingsAmountNumeric},
        {years_, msg::SavingsPeriodNumeric},
        {rate_, msg::SavingsInterestNumeric},
        {reducedYears_, msg::SavingsReducedNumeric},
        {investmentRate_, msg::SavingsInvestNumeric}};
    if (!Strip(text).empty() && !IsNumber(text, context_.regional.decimalSeparator())) {
        for (const auto& [field, message] : numericMessages) {
            if (field == changed) {
                context_.dialogs.showMessage(ShownWindow(this),
                                             Message{MessageCause::SavingsFieldInvalid, message});
            }
        }
        return;
    }
    if (years_->text() == "0") {
        context_.dialogs.showMessage(
            ShownWindow(this), Message{MessageCause::SavingsFieldInvalid, msg::SavingsPeriodZero});
    }
}

}  // namespace corbel::ui
