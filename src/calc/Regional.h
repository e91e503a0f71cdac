// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace corbel {

// The three money forms: the regional currency format, the same with exactly
// two decimals, and with none.
enum class MoneyForm { Regional, TwoDecimals, NoDecimals };

// What the arithmetic needs of the user's regional settings. The platform layer
// implements it over the system's locale; calc stays free of any toolkit.
class Regional {
  public:
    virtual ~Regional() = default;
    // The decimal separator that typed numbers use, as UTF-8.
    virtual std::string decimalSeparator() const = 0;
    // Money text of `value`; halves round away from zero to the form's decimals.
    virtual std::string money(double value, MoneyForm form) const = 0;
    // A plain number with at most `maxDecimals` decimals, trailing zeros dropped,
    // and grouped thousands when `grouped` (the forms "#,##0.###" and "##0.##").
    virtual std::string number(double value, int maxDecimals, bool grouped) const = 0;
    // The currency symbol of the money texts, as UTF-8 ("$", "€").
    virtual std::string currencySymbol() const = 0;
};

}  // namespace corbel
