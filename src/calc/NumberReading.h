// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

namespace corbel {

// Removes leading and trailing blanks and control characters.
std::string_view Strip(std::string_view text);

// Decimal reader: blanks, optional sign, digits with at most one regional
// decimal separator, optional exponent, blanks. Finite values only.
std::optional<double> ReadDecimal(std::string_view text, std::string_view decimalSeparator);

// Whole-number reader: blanks, optional sign, decimal digits or a hexadecimal
// form ($, x or 0x), nothing after; must fit 32 bits.
std::optional<int> ReadWhole(std::string_view text);

// A stripped term field: empty or not a whole number counts as 0.
int WholeOrZero(std::string_view text);

// The number in the stripped text when it reads as a decimal number from low
// to high (inclusive); nothing otherwise.
std::optional<double> NumberInRange(std::string_view text, double low, double high,
                                    std::string_view decimalSeparator);
bool IsNumberInRange(std::string_view text, double low, double high,
                     std::string_view decimalSeparator);
bool IsNumber(std::string_view text, std::string_view decimalSeparator);
bool IsWholeNumber(std::string_view text);

}  // namespace corbel
