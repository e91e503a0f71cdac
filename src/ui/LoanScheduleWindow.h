// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/LoanSchedule.h"
#include "ui/RowsTableModel.h"
#include "ui/TableWindow.h"

class QLabel;
class QRadioButton;

namespace corbel::ui {

class BalanceChartWindow;
struct BalanceLine;

// The loan schedule window: the schedule by year or by repayment period.
class LoanScheduleWindow : public TableWindow {
    Q_OBJECT
  public:
    LoanScheduleWindow(const UiContext& context, LoanOptionsSource options,
                       QWidget* parent = nullptr);

    ScheduleModel* model() const { return model_; }

    // Reads the window's fields and the Loan page's options, and refills the grid
    // and the repayment; the fields must have passed their checks.
    void FillLoanSchedule() { fill(); }
    // The captions that follow the repayment frequency, set on each opening
    // before the fill; for annual repayments the display is by year.
    void setFrequencyCaptions(PaymentFrequency repayment, const QString& partYearUnit);
    // The part-year field and its label are hidden for annual repayments.
    void setPartYearVisible(bool visible);

  protected:
    // A schedule window of its own name, title and help topic, laid out as
    // this one.
    LoanScheduleWindow(const UiContext& context, LoanOptionsSource options,
                       const TableWindowSetup& setup, QWidget* parent);
    static TableWindowSetup setup();
    // The schedule that the fill shows: the loan's own here.
    virtual Checked<LoanSchedule> computeSchedule(const LoanTexts& loan, ScheduleDisplay display);
    // The report's line under the loan; none here.
    virtual std::string reportLine() const { return {}; }
    // What Graph draws: the schedule shown, as one loan here.
    virtual std::vector<BalanceLine> graphLines() const;
    ScheduleDisplay display() const;

  private:
    Outcome fill() override;
    ReportJob reportJob() const override;
    // The headings for the display chosen and the repayment frequency.
    void showHeadings();
    // Graph: the balance over time of the schedule shown.
    void showGraph();

    ScheduleModel* model_;
    PaymentFrequency frequency_ = DefaultFrequency;  // of the latest opening
    QLabel* partYearUnit_;                           // "Label11"
    QLabel* repaymentCaption_;                       // "Label4": "Monthly Payment", by frequency
    QRadioButton* byYear_;                           // "Year"
    QRadioButton* byPeriod_;                         // "Month", by frequency
    QLabel* repayment_;                              // "MSMonthlyRepayment"
    BalanceChartWindow* graph_;                      // "BalanceGraph", opened by "GraphBtn"
};

}  // namespace corbel::ui
