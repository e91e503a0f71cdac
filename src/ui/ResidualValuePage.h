// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "calc/ResidualValue.h"
#include "platform/PrinterDevice.h"
#include "storage/SavingLoading.h"
#include "ui/CaptionPanel.h"
#include "ui/UiContext.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corbel::ui {

// The Residual Value page: the repayment that leaves no residual value, the
// residual a smaller repayment leaves, and the repayment for a chosen residual.
class ResidualValuePage : public QWidget {
    Q_OBJECT
  public:
    ResidualValuePage(const UiContext& context, QWidget* parent = nullptr);

    // The page's inputs as a saved loan file carries them.
    ResidualInputs record() const;
    // Puts saved inputs on the page; the repayment frequency's change is left
    // to the caller.
    void apply(const ResidualInputs& inputs);
    // Empties the inputs and the results, with "Monthly" chosen in both lists;
    // the repayment frequency's change is left to the caller.
    void clear();

    void RVPaymentChange();
    // Calculate, and for Print the calculation before printing.
    void BitBtn3Click();

  private:
    QLineEdit* RVAmount;
    QLineEdit* RVInterest;
    QLineEdit* RVPeriod;
    QLineEdit* RVPartYear;
    QLabel* Label90;  // the part-year unit
    QComboBox* RVPayment;
    QComboBox* RVCompounded;
    QPushButton* BitBtn3;  // Calculate
    QPushButton* PrintRVDetailsBtn;
    QPushButton* PreviewRVDetailsBtn;  // Print Preview
    CaptionPanel* Panel9;              // "Monthly Repayment with no Residual Value" and its result
    QLineEdit* RVMRepayment;           // the repayment with no residual value
    QLabel* Label23;                   // "Proposed Monthly Repayment of"
    QLineEdit* RVResValue;             // the proposed repayment
    QLineEdit* RV1;                    // the residual it leaves
    QLineEdit* RV1Percent;             // the same in percent
    QLineEdit* RV2Percent;             // the chosen residual in percent
    QLineEdit* RV2;                    // the chosen residual in money
    QLabel* Label29;                   // "and requires a Monthly Repayment of"
    QLineEdit* RVMR;                   // the repayment that leaves it
    ResidualTexts texts() const;
    // Calculate's work; false when a check or the proposed repayment was refused.
    bool calculate();
    // The residual value report of the page as it stands.
    ReportJob reportJob() const;
    void setCaptions(const ResidualCaptions& captions);

    UiContext context_;
};

}  // namespace corbel::ui
