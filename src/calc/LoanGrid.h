// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Checked.h"
#include "calc/LoanCalculation.h"
#include "calc/MortgageFunctions.h"
#include "calc/Regional.h"
#include "calc/TableCells.h"

namespace corbel {

// The step lists of the grid window, in their order; the window and the command
// line offer exactly these.
inline constexpr std::array<int, 4> AmountSteps{1000, 2000, 5000, 10000};
inline constexpr std::array<std::string_view, 4> AmountStepTexts{"1000", "2000", "5000", "10000"};
inline constexpr std::array<double, 7> InterestSteps{0.1, 0.125, 0.25, 0.5, 0.75, 1, 2};
// The interest steps in the general number format with a full stop.
inline constexpr std::array<std::string_view, 7> InterestStepTexts{"0.1",  "0.125", "0.25", "0.5",
                                                                   "0.75", "1",     "2"};
inline constexpr int DefaultAmountStepIndex = 1;    // 2000
inline constexpr int DefaultInterestStepIndex = 2;  // 0.25

inline constexpr int GridColumns = 7;
// The typed rate stands in the middle of the rates.
inline constexpr int TypedRateIndex = GridColumns / 2;
inline constexpr long long MaxHalfCount = 999;  // at most 2,000 rows
inline constexpr std::string_view GridCornerText = "Amt/Int";
// The caption beside the grid window's part-year field, whatever the frequency.
inline constexpr std::string_view GridPartYearCaption = "Month";

struct LoanGrid {
    std::array<double, GridColumns> rates{};  // annual percent; the typed rate in the middle
    std::vector<double> amounts;              // one per amount row
    std::vector<std::array<double, GridColumns>> payments;  // [amount row][column]
    long long halfCount = 0;
    int markedRow = 1;  // the typed amount's row, 1 for the first amount row
    // The first amount row in view when the grid opens; none when it is not scrolled.
    std::optional<int> firstVisibleRow;

    // The heading row and the amount rows.
    int rowCount() const { return static_cast<int>(amounts.size()) + 1; }
};

// The typed amount as a whole number of ten-thousandths.
std::int64_t TenThousandths(double amount);

// The half-count k: trunc(amount / (2 x step)), at most 999.
long long GridHalfCount(std::int64_t amountTenThousandths, int amountStep);

// The grid of repayments around the loan: rows of amounts `amountStep` apart,
// seven columns of rates `interestStep` apart centred on the typed rate, every
// cell over the loan's number of repayments, timing and frequencies.
LoanGrid ComputeLoanGrid(const LoanTerms& terms, int amountStep, double interestStep);

// The grid window's checks (amount, term, rate) on its fields, then the grid.
Checked<LoanGrid> LoanGridFromTexts(const LoanTexts& texts, int amountStep, double interestStep,
                                    std::string_view decimalSeparator);

// A rate heading: the rate rounded to ten decimals as a plain decimal, then "%".
std::string RateHeadingText(double rate, std::string_view decimalSeparator);

// The grid as a table of GridColumns + 1 columns: grid row 0 holds the corner
// text and the rate headings, the amount column the amounts (money without
// decimals), the other cells the repayments (money with two decimals). Every
// view of the grid (window, report, command line, CSV) takes these rules from here.
inline constexpr int GridTableColumns = GridColumns + 1;
inline constexpr int GridAmountColumn = 0;
inline constexpr int GridTypedRateColumn = GridAmountColumn + 1 + TypedRateIndex;
// How the cells of a column below the headings are written.
CellForm GridCellForm(int column);
std::string GridCellText(const LoanGrid& grid, int gridRow, int column, const Regional& regional);
// The value behind a cell: the column's rate in the heading row (0 at the
// corner), the row's amount in column 0, otherwise the repayment.
double GridCellValue(const LoanGrid& grid, int gridRow, int column);

// An interest step as the window's list shows it.
std::string InterestStepText(double step, std::string_view decimalSeparator);

}  // namespace corbel
