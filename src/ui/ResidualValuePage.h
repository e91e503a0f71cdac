// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "calc/ResidualValue.h"
#include "platform/PrinterDevice.h"
#include "storage/SavingLoading.h"
#include "ui/CaptionPanel.h"
#include "ui/ReportPrinting.h"
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
    // The page as the program starts: its sample loan, no results.
    void restart();
    // Print, as the page's own Print button does.
    void print();

    // The captions and the part-year field follow the repayment frequency; a
    // change empties the results, which were worked out for the old one.
    void applyRepaymentFrequency();

  private:
    ResidualTexts texts() const;
    // Calculate; false when a check or the proposed repayment was refused.
    bool calculate();
    // The residual value report of the page as it stands.
    ReportJob reportJob() const;
    void setCaptions(const ResidualCaptions& captions);
    void clearResults();

    // Each control is created with its given name (in quotes).
    QLineEdit* amount_;                // "RVAmount"
    QLineEdit* rate_;                  // "RVInterest"
    QLineEdit* years_;                 // "RVPeriod"
    QLineEdit* partYear_;              // "RVPartYear"
    QLabel* partYearUnit_;             // "Label90"
    QComboBox* repaymentList_;         // "RVPayment"
    QComboBox* compoundingList_;       // "RVCompounded"
    CalculateAndPrint actions_;        // "BitBtn3", "PrintRVDetailsBtn", "PreviewRVDetailsBtn"
    CaptionPanel* noResidualPanel_;    // "Panel9": "Monthly Repayment with no Residual Value" ...
    QLineEdit* noResidualRepayment_;   // "RVMRepayment"
    QLabel* proposedCaption_;          // "Label23": "Proposed Monthly Repayment of"
    QLineEdit* proposedRepayment_;     // "RVResValue"
    QLineEdit* residual_;              // "RV1": the residual the proposed repayment leaves
    QLineEdit* residualPercent_;       // "RV1Percent": the same in percent
    QLineEdit* chosenPercent_;         // "RV2Percent": the chosen residual in percent
    QLineEdit* chosenResidual_;        // "RV2": the same in money
    QLabel* requiredCaption_;          // "Label29": "and requires a Monthly Repayment of"
    QLineEdit* repaymentForResidual_;  // "RVMR": the repayment that leaves it

    UiContext context_;
};

}  // namespace corbel::ui
