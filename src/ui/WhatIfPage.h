// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>

#include "calc/WhatIf.h"
#include "storage/SavingLoading.h"
#include "ui/Controls.h"
#include "ui/LoanPage.h"
#include "ui/UiContext.h"

namespace corbel::ui {

// The What If? page: solves one of repayment, amount, periods and rate from the
// other three, on its own fields.
class WhatIfPage : public QWidget {
    Q_OBJECT
  public:
    WhatIfPage(const UiContext& context, QWidget* parent = nullptr);

    // The page's loan, for the transfer to the Loan page.
    LoanEntry loanEntry() const;
    // The page's inputs as a saved loan file carries them.
    WhatIfInputs record() const;
    // Puts saved inputs on the page. A stored choice of the variable to solve
    // that differs from the page's runs its change, which empties that
    // variable's field; a choice or timing outside those offered leaves the
    // page's own. The frequency's change is not run: the part-year field shows
    // its stored text, and its unit keeps its caption.
    void apply(const WhatIfInputs& inputs);
    // The page as the program starts: empty fields, the amount to solve,
    // "Monthly" and In Arrears.
    void clear();

  signals:
    void transferRequested();

  private:
    // The chosen variable's field shows results; the other three take input.
    void markFieldToSolve();
    // The part-year field and its unit follow the repayment frequency.
    void applyRepaymentFrequency();
    // Calculate: the chosen variable from the other three.
    void solve();
    WhatIfVariable solving() const;
    QLineEdit* field(WhatIfField which) const;
    // The "Calculate" radio button of a variable.
    QRadioButton* solveButton(WhatIfVariable variable) const;
    WhatIfFields fields() const;

    // Each control is created with its given name (in quotes).
    QLineEdit* amount_;           // "WIPrincipal"
    QLineEdit* rate_;             // "WIInterest"
    QLineEdit* years_;            // "WIPeriods"
    QLineEdit* partYear_;         // "WIPartYear"
    QLabel* partYearUnit_;        // "WIMonthsLabel"
    QLineEdit* repaymentAmount_;  // "WIRepay"
    LoanChoices choices_;         // "WIPayment", "WIArrearsRB", "WIAdvanceRB", "WICompounded"
    // "PaymentRB", "AmountRB", "PeriodRB", "InterestRB", by WhatIfVariable
    std::array<QRadioButton*, WhatIfChoices.size()> solveButtons_;
    QPushButton* calculateButton_;  // "SpeedButton4"
    QPushButton* transferButton_;   // "TransferBtn"
    QToolButton* helpButton_;       // "BitBtn14"

    UiContext context_;
};

}  // namespace corbel::ui
