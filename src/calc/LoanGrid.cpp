// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/LoanGrid.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "calc/NumberTexts.h"
#include "calc/Rounding.h"
#include "calc/TableCells.h"

namespace corbel {

namespace {

constexpr std::int64_t Scale = 10000;
constexpr int HeadingRateDecimals = 10;

}  // namespace

std::int64_t TenThousandths(double amount) {
    return static_cast<std::int64_t>(std::llround(static_cast<long double>(amount) * Scale));
}

long long GridHalfCount(std::int64_t amountTenThousandths, int amountStep) {
    if (amountTenThousandths <= 0) {
        return 0;
    }
    return std::min<long long>(amountTenThousandths / (2 * amountStep * Scale), MaxHalfCount);
}

LoanGrid ComputeLoanGrid(const LoanTerms& terms, int amountStep, double interestStep) {
    const std::int64_t typed = TenThousandths(terms.amount);
    const long long k = GridHalfCount(typed, amountStep);

    LoanGrid grid;
    grid.halfCount = k;
    // Below two steps the typed amount heads the rows and they run upwards from it.
    const std::int64_t first = k >= 2 ? typed - k * amountStep * Scale : typed;
    const auto amountRows = static_cast<std::size_t>(2 * k + 1);
    grid.amounts.reserve(amountRows);
    double amount = static_cast<double>(static_cast<long double>(first) / Scale);
    for (std::size_t m = 0; m < amountRows; ++m) {
        grid.amounts.push_back(amount);
        amount = static_cast<double>(static_cast<long double>(amount) + amountStep);
    }

    double rate = static_cast<double>(terms.annualRate -
                                      TypedRateIndex * static_cast<long double>(interestStep));
    for (double& r : grid.rates) {
        r = rate;
        rate = static_cast<double>(static_cast<long double>(rate) + interestStep);
    }

    const double n = terms.paymentsPerYear();
    const double count = terms.paymentCount();
    grid.payments.resize(amountRows);
    for (int j = 0; j < GridColumns; ++j) {
        LoanTerms column = terms;
        column.annualRate = grid.rates[j];
        const double annualPercent = AnnualPercent(column);
        for (std::size_t m = 0; m < amountRows; ++m) {
            grid.payments[m][j] =
                PaymentRule(LevelPayment(grid.amounts[m], annualPercent, count, n, terms.timing));
        }
    }

    grid.markedRow = k >= 2 ? static_cast<int>(k) + 1 : 1;
    const int rows = grid.rowCount();
    if (rows > 9) {
        grid.firstVisibleRow = static_cast<int>(std::lround(rows / 2.0)) - 3;
    }
    return grid;
}

Checked<LoanGrid> LoanGridFromTexts(const LoanTexts& texts, int amountStep, double interestStep,
                                    std::string_view decimalSeparator) {
    const auto terms = ReadLoan(texts, GridChecks, decimalSeparator);
    if (!terms) {
        return terms.failure();
    }
    return ComputeLoanGrid(*terms, amountStep, interestStep);
}

std::string RateHeadingText(double rate, std::string_view decimalSeparator) {
    // Repeated additions of the step leave binary residue such as -2.8E-17 or
    // 1.00000000002876E-6: ten decimals show the rate the user meant, and
    // never in exponent form.
    const double shown = RoundMoney(rate, HeadingRateDecimals);
    char buf[64];
    // Fixed notation always fits: the rates stay within a few hundred percent.
    const auto end = std::to_chars(buf, buf + sizeof buf, shown == 0 ? 0.0 : shown,
                                   std::chars_format::fixed, HeadingRateDecimals)
                         .ptr;
    std::string heading(buf, end);
    heading.erase(heading.find_last_not_of('0') + 1);
    if (heading.back() == '.') {
        heading.pop_back();
    } else {
        heading.replace(heading.find('.'), 1, decimalSeparator);
    }
    return heading + "%";
}

CellForm GridCellForm(int column) {
    return column == GridAmountColumn ? CellForm::WholeMoney : CellForm::CentMoney;
}

double GridCellValue(const LoanGrid& grid, int gridRow, int column) {
    if (gridRow == 0) {
        return column == GridAmountColumn ? 0 : grid.rates[column - 1];
    }
    const auto row = static_cast<std::size_t>(gridRow - 1);
    return column == GridAmountColumn ? grid.amounts[row] : grid.payments[row][column - 1];
}

std::string GridCellText(const LoanGrid& grid, int gridRow, int column, const Regional& regional) {
    if (gridRow == 0) {
        return column == GridAmountColumn
                   ? std::string(GridCornerText)
                   : RateHeadingText(grid.rates[column - 1], regional.decimalSeparator());
    }
    return CellText(GridCellValue(grid, gridRow, column), GridCellForm(column), regional);
}

std::string InterestStepText(double step, std::string_view decimalSeparator) {
    return GeneralNumberText(step, decimalSeparator);
}

}  // namespace corbel
