// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <functional>

#include "calc/AdditionalPayments.h"
#include "calc/LoanCalculation.h"
#include "ui/UiContext.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace corbel::ui {

// The Loan page's loan as typed, read afresh each time it is needed.
using LoanTextsSource = std::function<LoanTexts()>;

// The specific additional payment window: one extra amount added to every
// repayment from a chosen start, and what it saves on the Loan page's loan.
class ExtraRepaymentWindow : public QDialog {
    Q_OBJECT
  public:
    ExtraRepaymentWindow(const UiContext& context, LoanTextsSource loan, QWidget* parent = nullptr);

    // The captions that follow the repayment frequency, set on each opening; the
    // start period is hidden for annual repayments.
    void setFrequencyCaptions(PaymentFrequency repayment);
    // Places the window a little below the top-left corner of `mainWindow`.
    void placeBelowCorner(const QWidget* mainWindow);
    // The caption of the from-the-start choice, set at start-up.
    void relabel();
    void BitBtn1Click();
    void BitBtn2Click();

  private:
    QLabel* Label7;              // the heading
    QPushButton* BitBtn1;        // Calculate
    QPushButton* BitBtn2;        // OK: empties the results and closes
    QToolButton* BitBtn3;        // the help button (topic 6)
    QLabel* Label1;              // the extra amount's caption, by frequency
    QLineEdit* AdditionalMR;     // the extra amount per repayment
    QRadioButton* Now;           // start with the first repayment
    QRadioButton* RadioButton2;  // start in a chosen year and period
    QLineEdit* Year;             // the start year
    QLabel* Label6;              // the start period's caption, by frequency
    QLineEdit* StartMonth;       // the start period within the year
    QLineEdit* InterestSaved;
    QLabel* NewPeriod;  // the paid-off sentence
    QLineEdit* NewInterest;
    QLineEdit* TotalInterest;
    void NowClick();
    ExtraPaymentTexts fieldTexts() const;

    UiContext context_;
    LoanTextsSource loan_;
};

}  // namespace corbel::ui
