// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "calc/LoanCalculation.h"
#include "calc/Regional.h"

namespace corbel::ui {

// What a person may type into a field and how many digits it shows whole, by
// the kind of value it takes: every window takes its fields' sizes from here.
struct FieldKind {
    int typingLimit;  // characters a person may type; 0: any number
    int widthDigits;  // digits shown whole; 0: as wide as the layout makes it

    // The same width for any number of characters: a window's own copy of a
    // loan, which its checks judge when it calculates.
    constexpr FieldKind anyLength() const { return {0, widthDigits}; }
};

namespace field {

constexpr int Digits(double whole) {
    int digits = 1;
    for (; whole >= 10; whole /= 10) {
        ++digits;
    }
    return digits;
}

// A loan amount, or a repayment typed as one: at most MaxAmount.
inline constexpr FieldKind Amount{Digits(MaxAmount), Digits(MaxAmount) + 1};
// An annual rate in percent.
inline constexpr FieldKind Rate{8, 10};
// A residual value in percent.
inline constexpr FieldKind Percent{5, 6};
// Whole years, or the year a payment starts in.
inline constexpr FieldKind Years{2, 3};
// Repayment periods within a year: at most 365, of daily repayments.
inline constexpr FieldKind PartYear{3, 4};
// The Residual Value page's rate takes as few characters as a percentage.
inline constexpr FieldKind ResidualRate{Percent.typingLimit, Rate.widthDigits};
// The What If? page's fields show a solved value too: they are wider, and only
// the rate and the part-year periods have a typing limit.
inline constexpr FieldKind SolvedMoney{0, 16};
inline constexpr FieldKind SolvedRate{Rate.typingLimit, SolvedMoney.widthDigits};
inline constexpr FieldKind SolvedYears{0, 5};
inline constexpr FieldKind SolvedPartYear{PartYear.typingLimit, SolvedYears.widthDigits};
// Any number of characters, as wide as the layout makes it.
inline constexpr FieldKind Free{0, 0};

}  // namespace field

// The widest money a result shows whole, by what it holds.
enum class MoneyKind {
    Amount,         // an amount, or a repayment of one: nine digits
    Balance,        // a balance, a year's figures, a one-year loan's repayment: ten digits
    Interest,       // the interest of the longest loan at the highest rate: eleven digits
    LoanTotal,      // the Loan page's repayment and total interest: twelve digits
    GridAmount,     // the loan grid's amounts, in whole money
    GridRepayment,  // the loan grid's usual repayments: seven digits
};
QString WidestMoney(const Regional& regional, MoneyKind kind);

// The widest texts of the other results.
inline constexpr const char* WidestYearCount = "99";
inline constexpr const char* WidestPeriodNumber = "99999";  // daily over the longest term
inline constexpr const char* WidestPercent = "-99999.99";

}  // namespace corbel::ui
