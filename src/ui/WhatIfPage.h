// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>

#include "calc/WhatIf.h"
#include "storage/SavingLoading.h"
#include "ui/LoanPage.h"
#include "ui/UiContext.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace corbel::ui {

// The What If? page: solves one of repayment, amount, periods and rate from the
// other three, on its own fields.
class WhatIfPage : public QWidget {
    Q_OBJECT
  public:
    WhatIfPage(const UiContext& context, QWidget* parent = nullptr);

    WhatIfVariable solving() const;
    // The page's loan, for the transfer to the Loan page.
    LoanEntry loanEntry() const;
    // The captions that carry the program's name.
    void relabel(const QString& programName);
    // The page's inputs as a saved loan file carries them.
    WhatIfInputs record() const;
    // Puts saved inputs on the page. A stored choice of the variable to solve
    // that differs from the page's runs its change, which empties that
    // variable's field; a choice or timing outside those offered leaves the
    // page's own. The frequency's change is not run: the part-year field shows
    // its stored text, and its unit keeps its caption.
    void apply(const WhatIfInputs& inputs);

  signals:
    void transferRequested();

  public:
    void AmountRBClick();
    void WIPaymentChange();
    void SpeedButton4Click();

  private:
    QLabel* WhatIfHeading;
    QLabel* WhatIfHelpLabel;
    QLabel* WhatIfAmountLabel;
    QLineEdit* WIPrincipal;
    QLineEdit* WIInterest;
    QLineEdit* WIPeriods;
    QLineEdit* WIPartYear;
    QLabel* WIMonthsLabel;
    QLineEdit* WIRepay;
    QComboBox* WIPayment;
    QRadioButton* WIArrearsRB;
    QRadioButton* WIAdvanceRB;
    QComboBox* WICompounded;
    QRadioButton* PaymentRB;
    QRadioButton* AmountRB;
    QRadioButton* PeriodRB;
    QRadioButton* InterestRB;
    QPushButton* SpeedButton4;  // Calculate
    QPushButton* TransferBtn;   // "Transfer to Corbelwright"
    QToolButton* BitBtn14;      // the help button (topic 8)
    QLineEdit* field(WhatIfField which) const;
    // The "Calculate" radio button of a variable.
    QRadioButton* solveButton(WhatIfVariable variable) const;
    WhatIfFields fields() const;

    UiContext context_;
};

}  // namespace corbel::ui
