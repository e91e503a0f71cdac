// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <array>

#include "calc/AdditionalPayments.h"
#include "calc/LoanCalculation.h"
#include "platform/PrinterDevice.h"
#include "ui/LoanPage.h"
#include "ui/RowsTableModel.h"
#include "ui/UiContext.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

namespace corbel::ui {

// The additional payments table window: its own copy of the loan and the extra
// repayment that pays it off one, two, ... years sooner with the interest that
// saves; its own Calculate. Frequencies and timing come from the Loan page each
// time it calculates.
class TermReductionWindow : public QDialog {
    Q_OBJECT
  public:
    TermReductionWindow(const UiContext& context, LoanOptionsSource options,
                        QWidget* parent = nullptr);

    TermReductionModel* model() const { return model_; }

    // Copies the Loan page's four texts into the window's fields.
    void setLoan(const LoanEntry& loan);
    // Reads the window's fields and the Loan page's options and refills the table,
    // the current repayment and the word above it; the fields must have passed
    // their checks.
    void FillTermReductionTable();
    // The word of the repayment frequency as the window opens, above the current
    // repayment and in the two payment headings.
    void showOpeningWord(PaymentFrequency repayment);
    // The note and the first heading, set at start-up.
    void relabel();
    void SpeedButton2Click();
    // Print: the window's Calculate, then the print dialog and the report.
    void BitBtn1Click();
    void PreviewBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The report of the window as it stands.
    ReportJob reportJob() const;
    QLabel* Label1;             // the heading
    QPushButton* SpeedButton2;  // Calculate
    QPushButton* SpeedButton1;  // OK
    QPushButton* BitBtn1;       // Print
    QPushButton* PreviewBtn;    // Print Preview
    QToolButton* BitBtn2;       // the help button (topic 5)
    QLineEdit* APAmount;
    QLineEdit* APInterest;
    QLineEdit* APPeriod;    // whole years
    QLineEdit* PartYear;    // part-year periods
    QLabel* Label5;         // the frequency word above "Repayment"
    QLineEdit* APMonthlyR;  // the current repayment
    QLabel* MortgageLabel;  // the green note
    QLabel* Label10;        // heading of the years column
    QLabel* Label7;         // heading of the additional repayment column
    QLabel* Label8;         // heading of the repayment column
    QTableView* APGrid;     // the table
    void showTable(const TermReductionTable& table);
    // The frequency word above "Repayment", which with it names the repayment.
    void showRepaymentWord(const QString& word);
    Checked<TermReductionTable> computeTable() const;
    bool calculate();

    UiContext context_;
    LoanOptionsSource options_;
    TermReductionModel* model_;
    // The frequency word in the table's headings, for Export and Copy.
    std::string headingWord_{TermReductionWord(DefaultFrequency, TermTableMoment::Opened)};
};

}  // namespace corbel::ui
