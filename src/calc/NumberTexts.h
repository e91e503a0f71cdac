// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/Regional.h"

namespace corbel {

// General number format: at most 15 significant digits (decimal halves away
// from zero), no trailing zeros, no grouping, an exponent ("1E-5", "1.5E20") for
// magnitudes of 10^15 and more or below 0.0001.
std::string GeneralNumberText(long double value, std::string_view decimalSeparator = ".");

// Money text in the user's regional format.
std::string FormatMoney(const Regional& regional, double value,
                        MoneyForm form = MoneyForm::Regional);

// The integer part of GeneralNumberText(x), truncated toward zero and signed
// (minus zero for -0.875); nothing when the text has an exponent. RoundMoney's
// rule takes it of value - 1.
std::optional<double> TextIntegerPart(long double x);

}  // namespace corbel
