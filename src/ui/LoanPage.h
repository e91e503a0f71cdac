// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "calc/LoanCalculation.h"
#include "platform/PrinterDevice.h"
#include "ui/CaptionPanel.h"
#include "ui/Controls.h"
#include "ui/ReportPrinting.h"
#include "ui/UiContext.h"

namespace corbel::ui {

// A loan as another page hands it over: texts as they stand, with its choices.
struct LoanEntry {
    QString amount;
    QString rate;
    QString years;
    QString parts;
    PaymentFrequency repaymentFrequency = DefaultFrequency;
    PaymentFrequency compounding = DefaultFrequency;
    PaymentTiming timing = PaymentTiming::InArrears;
};

// The Loan page: the loan's inputs, its Calculate and Last Payment, and the
// buttons that open the table windows (the main window wires those).
class LoanPage : public QWidget {
    Q_OBJECT
  public:
    LoanPage(const UiContext& context, SharedState& state, QWidget* parent = nullptr);

    // The page's inputs as typed.
    LoanTexts texts() const;
    PaymentFrequency repaymentFrequency() const;
    // The frequencies and timing that every window reads from this page.
    LoanOptions options() const;
    // Puts a loan on the page and runs the repayment frequency change once.
    void setLoan(const LoanEntry& loan);
    // Puts a loan on the page as a load does: every text and choice with its own
    // change handling, but the repayment frequency's change is left to the caller.
    void setInputs(const LoanEntry& loan);
    // Empties the inputs and results, with "Monthly" and In Arrears chosen; the
    // repayment frequency's change is left to the caller.
    void clear();
    // The page's loan as it stands, for the windows that copy it.
    LoanEntry loanEntry() const;
    // The caption beside the part-year field, such as "Month(s)".
    QString partYearUnit() const;
    void focusAmount();
    // Print, as the page's own Print button does.
    void print();

    // The buttons that open other windows; each is also clicked from elsewhere
    // (tool bar, menu), so that every way in runs the same checks.
    enum class Opener { Grid, Schedule, AdditionalPayments, Chart };
    void click(Opener opener);

    // The repayment frequency's effect on the page's captions: run on each
    // change of the list, and by whoever sets the list without it.
    void applyRepaymentFrequency();

  signals:
    // The part-year field was shown (true) or hidden for annual repayments.
    void partYearShown(bool shown);
    void openRequested(LoanPage::Opener opener);

  private:
    // Calculate; false when a check refused the loan.
    bool calculate();
    // Last Payment: the last repayment and the payment count in a message.
    void showLastPayment();
    // The loan details report of the page as it stands.
    ReportJob reportJob() const;

    // Each control is created with its given name (in quotes).
    QLineEdit* amount_;                      // "MAmount"
    QLineEdit* years_;                       // "Period": whole years
    QLineEdit* partYear_;                    // "MPartyear": part-year periods
    QLabel* partYearUnit_;                   // "Label98", such as "Month(s)"
    QLineEdit* rate_;                        // "IRate": the annual rate in percent
    LoanChoices choices_;                    // "MPayment", "MArrears", "MAdvance", "MCompounded"
    CaptionPanel* repaymentPanel_;           // "Panel1": "Monthly Loan Payment is" ...
    QLineEdit* repaymentResult_;             // "MonthlyRepayment"
    QPushButton* lastPaymentButton_;         // "BitBtn8"
    CaptionPanel* interestPanel_;            // "Panel6": "Total Interest Charges are:" ...
    QLineEdit* totalInterest_;               // "TotalInterest"
    QToolButton* chartButton_;               // "BitBtn9", beside the total interest
    CalculateAndPrint actions_;              // "CalMortBtn", "PrintMortBtn", "PreviewMortBtn"
    QToolButton* helpButton_;                // "BitBtn1"
    QPushButton* gridButton_;                // "MortgageGridBtn"
    QPushButton* scheduleButton_;            // "SpeedButton2"
    QPushButton* additionalPaymentsButton_;  // "SpeedButton3"
    UiContext context_;
    SharedState& state_;
};

}  // namespace corbel::ui
