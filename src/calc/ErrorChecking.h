// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/Checked.h"
#include "calc/Regional.h"

namespace corbel {

// --- Rounding and number texts ---

namespace detail {

// The cents 0 to 200 over 100 in extended precision, stored as doubles, as the
// general rounding makes them.
inline constexpr std::array<double, 201> CentFractions = [] {
    std::array<double, 201> fractions{};
    for (std::size_t k = 0; k < fractions.size(); ++k) {
        fractions[k] = static_cast<double>(static_cast<long double>(k) / 100);
    }
    return fractions;
}();

// Half a unit of the 15th significant digit of a value with integer part `whole`.
double HalfUnitOfLastDigit(double whole);

// RoundMoney for any value and any digits.
double RoundMoneyInGeneral(double value, double digits);

}  // namespace detail

// Rounds to `digits` decimals (0, 2, 4 or 10) through the 15-digit text of
// value - 1: the integer part comes from that text, the fraction is rounded with
// exact halves to even. Values within 0.0001 of 1 (but not 1) and values whose
// text needs an exponent come back unchanged.
//
// Cents of the values the runs round most, 1.001 up to 10^13, come in exact
// integer steps, inline where the runs call it. With x = value - 1 and I its
// integer part, value - I is below 2 with no bits under 2^-52, so (value - I) x
// 100 is an exact integer in units of 2^-52 and its rounding to even a shift. Near the carry into
// the integer part that the 15-digit text decides, the general path.
inline double RoundMoney(double value, double digits) {
    if (digits == 2 && value >= 1.001 && value < 1e13) {
        // Fixed point in units of 2^-52 straight from the bits: exponent 0 to 43.
        constexpr std::uint64_t Unit = std::uint64_t{1} << 52;
        const auto bits = std::bit_cast<std::uint64_t>(value);
        const int exponent = static_cast<int>(bits >> 52) - 1023;
        const std::uint64_t significand = (bits & (Unit - 1)) | Unit;
        const std::uint64_t fraction = (significand << exponent) & (Unit - 1);
        const auto whole = static_cast<std::int64_t>(significand >> (52 - exponent));
        std::int64_t intPart = whole - 1;      // of x, unless rounding carries into it
        std::uint64_t kept = Unit + fraction;  // value - intPart
        // The half of the 15th digit is at most 0.005 below 10^13, so only a
        // fraction within 1/128 of the next integer can carry or come near it;
        // rarely taken, so the runs' loops seldom mispredict it.
        if (fraction >= Unit - Unit / 128) {
            const double toNext = static_cast<double>(Unit - fraction) * 0x1p-52;  // exact
            const double half = detail::HalfUnitOfLastDigit(static_cast<double>(intPart));
            if (toNext <= half * (1 + 1e-6) && toNext >= half * (1 - 1e-6)) {
                return detail::RoundMoneyInGeneral(value, digits);
            }
            if (toNext < half) {
                intPart = whole;
                kept = fraction;
            }
        }
        const std::uint64_t units = kept * 100;
        const std::uint64_t cents = (units + (Unit >> 1) - 1 + ((units >> 52) & 1)) >> 52;
        return static_cast<double>(static_cast<long double>(intPart) +
                                   detail::CentFractions[cents]);
    }
    return detail::RoundMoneyInGeneral(value, digits);
}

// RoundMoney(value, 2) <= 0, the test that ends a run, at once for the balances
// of 1.001 and more: their integer part is at least 0 and their kept fraction at
// least 0.94, so they never round to nothing.
inline bool RoundsToNoMoney(double value) {
    return value < 1.001 && RoundMoney(value, 2) <= 0;
}

// The same routine working through the decimal text on every call; the fast
// RoundMoney is checked against it.
double RoundMoneyByText(double value, double digits);

// General number format: at most 15 significant digits (decimal halves away
// from zero), no trailing zeros, no grouping, an exponent ("1E-5", "1.5E20") for
// magnitudes of 10^15 and more or below 0.0001.
std::string GeneralNumberText(long double value, std::string_view decimalSeparator = ".");

// Money text in the user's regional format.
std::string FormatMoney(const Regional& regional, double value,
                        MoneyForm form = MoneyForm::Regional);

// --- Reading typed numbers ---

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

// --- The checking routines ---

// The number in the stripped text when it reads as a decimal number from low
// to high (inclusive); nothing otherwise.
std::optional<double> NumberInRange(std::string_view text, double low, double high,
                                    std::string_view decimalSeparator);
bool IsNumberInRange(std::string_view text, double low, double high,
                     std::string_view decimalSeparator);
bool IsNumber(std::string_view text, std::string_view decimalSeparator);
bool IsWholeNumber(std::string_view text);

// The term check shared by every window: years 0 to maxYears, part-year periods
// 0 to periodsPerYear, and not both zero. Failures are Confirm messages.
Outcome CheckTerm(std::string_view yearsText, std::string_view label, std::string_view partText,
                  int maxYears, double periodsPerYear);

}  // namespace corbel
