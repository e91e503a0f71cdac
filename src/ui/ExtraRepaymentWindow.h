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

class ExtraScheduleWindow;

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
    // The schedule with the extra that the Schedule button opens.
    ExtraScheduleWindow* scheduleWindow() const { return schedule_; }

  private:
    // Calculate: what the extra amount saves, from the Loan page's loan; false
    // when a check refused the fields (its message shown).
    bool calculate();
    // Schedule: calculates again from the fields as they stand, so that the
    // schedule and the results beside it come from one run, then opens it.
    void openSchedule();
    // OK: empties the results and closes.
    void emptyAndClose();
    // The start year and period take input only with "Starting in year".
    void enableStartFields();
    ExtraPaymentTexts fieldTexts() const;

    // Each control is created with its given name (in quotes).
    QLabel* heading_;               // "Label7"
    QPushButton* calculateButton_;  // "BitBtn1"
    QPushButton* okButton_;         // "BitBtn2"
    QToolButton* helpButton_;       // "BitBtn3"
    QPushButton* scheduleButton_;   // "ScheduleBtn": after a successful Calculate
    QLabel* extraCaption_;          // "Label1", by frequency
    QLineEdit* extra_;              // "AdditionalMR": the extra amount per repayment
    QRadioButton* fromStart_;       // "Now": from the first repayment
    QRadioButton* fromYear_;        // "RadioButton2": from a chosen year and period
    QLineEdit* startYear_;          // "Year"
    QLabel* startPeriodCaption_;    // "Label6", by frequency
    QLineEdit* startPeriod_;        // "StartMonth": the period within the start year
    QLineEdit* interestSaved_;      // "InterestSaved"
    QLabel* paidOffSentence_;       // "NewPeriod"
    QLineEdit* newInterest_;        // "NewInterest"
    QLineEdit* totalInterest_;      // "TotalInterest"

    UiContext context_;
    LoanTextsSource loan_;
    ExtraScheduleWindow* schedule_;
};

}  // namespace corbel::ui
