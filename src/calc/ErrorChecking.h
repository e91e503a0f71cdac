#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/Checked.h"
#include "calc/Regional.h"

namespace corbel {

// --- Rounding and number texts ---

// Rounds to `digits` decimals (0, 2, 4 or 10) through the 15-digit text of
// value - 1: the integer part comes from that text, the fraction is rounded with
// exact halves to even. Values within 0.0001 of 1 (but not 1) and values whose
// text needs an exponent come back unchanged.
double RoundMoney(double value, double digits);

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
