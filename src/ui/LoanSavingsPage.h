// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "storage/SavingLoading.h"
#include "ui/UiContext.h"

class QLineEdit;

namespace corbel::ui {

// The loan savings page: its tab is never shown, but its five fields travel in
// the saved loan file and their change handler still checks what they receive.
class LoanSavingsPage : public QWidget {
    Q_OBJECT
  public:
    LoanSavingsPage(const UiContext& context, SharedState& state, QWidget* parent = nullptr);

    // Takes the Loan page's amount, years and rate (each runs the change check).
    void copyLoan(const QString& amount, const QString& years, const QString& rate);
    // Writes the five texts into their lines of a saved loan.
    void record(SavedLoan& loan) const;
    // Takes the five texts of a saved loan, in file order; each change runs
    // the check, so a stored text that is not a number shows its message.
    void apply(const SavedLoan& loan);
    // Empties the five fields without a message.
    void clear();

  private:
    // A changed field: the loan is unsaved, and a text that is not a number,
    // or a period of "0", is shown.
    void checkChange(QLineEdit* changed);

    // Each field is created with its given name (in quotes).
    QLineEdit* amount_;          // "MSavingsAmount"
    QLineEdit* years_;           // "mperiod"
    QLineEdit* rate_;            // "minterest"
    QLineEdit* reducedYears_;    // "reducedperiod"
    QLineEdit* investmentRate_;  // "investrate"
    UiContext context_;
    SharedState& state_;
};

}  // namespace corbel::ui
