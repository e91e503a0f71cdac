// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include "calc/LoanCalculation.h"
#include "calc/LoanSchedule.h"
#include "calc/PlainTable.h"
#include "platform/PrinterDevice.h"
#include "ui/LoanPage.h"
#include "ui/RowsTableModel.h"
#include "ui/UiContext.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;

namespace corbel::ui {

// The loan schedule window: its own copy of the loan, the schedule by year or
// by repayment period, and its own Calculate. Frequencies and timing come from
// the Loan page each time it calculates.
class LoanScheduleWindow : public QDialog {
    Q_OBJECT
  public:
    LoanScheduleWindow(const UiContext& context, LoanOptionsSource options,
                       QWidget* parent = nullptr);

    ScheduleModel* model() const { return model_; }

    // Copies the Loan page's four texts into the window's fields.
    void setLoanTexts(const QString& amount, const QString& rate, const QString& years,
                      const QString& parts);
    void setLoan(const LoanEntry& loan) {
        setLoanTexts(loan.amount, loan.rate, loan.years, loan.parts);
    }
    // Reads the window's fields and the Loan page's options, and refills the grid
    // and the repayment; the fields must have passed their checks.
    void FillLoanSchedule();
    // The captions that follow the repayment frequency, set on each opening
    // before the fill; for annual repayments the display is by year.
    void setFrequencyCaptions(PaymentFrequency repayment, const QString& partYearUnit);
    // The part-year field and its label are hidden for annual repayments.
    void setPartYearVisible(bool visible);
    void CalculateBtnClick();
    // The print dialog, then the schedule report of the window as it stands.
    void BitBtn1Click();
    void PreviewBtnClick();

  private:
    // The report of the window as it stands.
    ReportJob reportJob() const;
    QLabel* HeadingLabel;
    QPushButton* CalculateBtn;
    QPushButton* OKBtn;
    QPushButton* BitBtn1;     // Print
    QPushButton* PreviewBtn;  // Print Preview
    QToolButton* BitBtn2;     // the help button (topic 4)
    QRadioButton* Year;       // the by-year display choice
    QRadioButton* Month;      // the by-period display choice
    QLineEdit* MSAmount;
    QLineEdit* MSInterest;
    QLineEdit* MSPeriod;
    QLabel* Label11;  // the part-year unit
    QLineEdit* Partyear;
    QLabel* Label4;  // "Monthly Payment", beside the repayment
    QLabel* MSMonthlyRepayment;
    QLabel* Label10;     // the first column's heading, "Year" or the period
    QTableView* MSGrid;  // the schedule table
    LoanTexts fieldTexts() const;
    Checked<LoanSchedule> computeSchedule() const;
    void showSchedule(const LoanSchedule& schedule);
    void updateColumnHeading();
    // The table as shown, for Export and Copy.
    PlainRows plainRows() const;

    UiContext context_;
    LoanOptionsSource options_;
    ScheduleModel* model_;
    PaymentFrequency repayment_ = DefaultFrequency;  // of the latest opening
};

}  // namespace corbel::ui
