// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Checked.h"
#include "calc/LoanCalculation.h"
#include "calc/MortgageFunctions.h"
#include "calc/Regional.h"
#include "calc/TableCells.h"

namespace corbel {

// One row per year, or one row per repayment period.
enum class ScheduleDisplay { ByYear, ByPeriod };

// A schedule row as computed; the cells show FormatMoney(RoundMoney(v, 2)).
struct ScheduleRow {
    int number = 0;  // the year or the repayment number
    double interest = 0;
    double capital = 0;  // repayments less interest
    double balance = 0;  // owing at the end of the row
    double accumulatedInterest = 0;
    double accumulatedCapital = 0;
};

struct LoanSchedule {
    double repayment = 0;           // the instalment shown above the table
    std::vector<ScheduleRow> rows;  // exactly the rows written
};

// The row count the table is sized to before it fills: by year Y, or Y + 1 with
// part-year periods; by period N; at least 11. The filled table may be shorter.
int InitialScheduleRowCount(const LoanTerms& terms, ScheduleDisplay display);

// The period-by-period schedule of the loan, one StepPeriod per repayment, ending
// with the row in which the balance is cleared.
LoanSchedule ComputeSchedule(const LoanTerms& terms, ScheduleDisplay display);

// Gathers a run's periods into a schedule's rows: a row a period, or a row a
// year, and a row for the period that ends the run whatever the display.
class ScheduleRowGatherer {
  public:
    ScheduleRowGatherer(LoanSchedule& schedule, ScheduleDisplay display, long long periodsPerYear)
        : schedule_(schedule), display_(display), periodsPerYear_(periodsPerYear) {}
    // Adds the next period; true when it closed a row.
    bool add(const PeriodStep& step, bool endsTheRun);

  private:
    LoanSchedule& schedule_;
    ScheduleDisplay display_;
    long long periodsPerYear_;
    long long periods_ = 0;
    double rowInterest_ = 0;
    double rowCapital_ = 0;
    double accumulatedInterest_ = 0;
    double accumulatedCapital_ = 0;
};

// The schedule window's checks (amount, term, rate) on its fields, then the schedule.
Checked<LoanSchedule> ScheduleFromTexts(const LoanTexts& texts, ScheduleDisplay display,
                                        std::string_view decimalSeparator);

// The caption of the by-year radio button and of column 0 when shown by year.
inline constexpr std::string_view YearCaption = "Year";

// The schedule table: the row number, then five money columns. Column 0's
// heading follows the display (see ScheduleHeadings).
inline constexpr int ScheduleColumnCount = 6;
extern const std::array<TableColumn<ScheduleRow>, ScheduleColumnCount> ScheduleColumns;

// The headings: "Year", or the period word of the repayments when shown by
// period (a row is a year with annual repayments either way), then the five.
std::array<std::string_view, ScheduleColumnCount> ScheduleHeadings(ScheduleDisplay display,
                                                                   PaymentFrequency repayment);
std::string ScheduleCellText(const ScheduleRow& row, int column, const Regional& regional);
double ScheduleCellValue(const ScheduleRow& row, int column);

}  // namespace corbel
