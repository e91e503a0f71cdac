// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/AdditionalPayments.h"
#include "ui/RowsTableModel.h"
#include "ui/TableWindow.h"

class QLabel;
class QLineEdit;

namespace corbel::ui {

// The additional payments table window: the extra repayment that pays the loan
// off one, two, ... years sooner, with the interest that saves.
class TermReductionWindow : public TableWindow {
    Q_OBJECT
  public:
    TermReductionWindow(const UiContext& context, LoanOptionsSource options,
                        QWidget* parent = nullptr);

    TermReductionModel* model() const { return model_; }

    // Reads the window's fields and the Loan page's options and refills the table,
    // the current repayment and the word above it; the fields must have passed
    // their checks.
    void FillTermReductionTable() { fill(); }
    // The word of the repayment frequency as the window opens, above the current
    // repayment and in the two payment headings.
    void showOpeningWord(PaymentFrequency repayment);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Outcome fill() override;
    ReportJob reportJob() const override;
    // The frequency word above "Repayment", which with it names the repayment.
    void showRepaymentWord(const QString& word);

    TermReductionModel* model_;
    QLabel* repaymentWord_;  // "Label5"
    QLineEdit* repayment_;   // "APMonthlyR": the current repayment
};

}  // namespace corbel::ui
