// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ErrorChecking.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "calc/Frequency.h"

namespace corbel {

namespace {

constexpr int SignificantDigits = 15;

// A magnitude as 15 significant decimal digits d.dddddddddddddd x 10^exponent,
// rounded with decimal halves away from zero.
struct Decimal15 {
    char digits[SignificantDigits + 1] = {};
    int exponent = 0;
};

Decimal15 ToDecimal15(long double magnitude) {
    // 40 digits decide an exact decimal half: an 80-bit value that is not a half
    // differs from one within its first 20 digits.
    // to_chars, unlike printf, ignores the C locale that the windowing library
    // sets from the user's settings: a decimal comma would read as a digit.
    char buf[64];
    const auto written =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 39);
    Decimal15 d;
    std::string_view text(buf, static_cast<std::size_t>(written.ptr - buf));
    const auto e = text.find('e');
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                    d.exponent);
    char all[41];
    int count = 0;
    for (std::size_t k = 0; k < e; ++k) {
        if (text[k] != '.') {
            all[count++] = text[k];
        }
    }
    for (int k = 0; k < SignificantDigits; ++k) {
        d.digits[k] = all[k];
    }
    if (all[SignificantDigits] >= '5') {
        int k = SignificantDigits - 1;
        while (k >= 0 && d.digits[k] == '9') {
            d.digits[k--] = '0';
        }
        if (k >= 0) {
            ++d.digits[k];
        } else {
            d.digits[0] = '1';
            ++d.exponent;
        }
    }
    return d;
}

bool NeedsExponent(int exponent) {
    return exponent >= SignificantDigits || exponent < -4;
}

// The integer part of the 15-digit text of x, truncated toward zero and signed
// (minus zero for -0.875); nullopt when the text has an exponent.
std::optional<double> TextIntegerPart(long double x) {
    if (x == 0) {
        return 0.0;
    }
    if (!std::isfinite(x)) {
        return std::nullopt;  // nothing to round: the value comes back as it is
    }
    const Decimal15 d = ToDecimal15(std::fabs(x));
    if (NeedsExponent(d.exponent)) {
        return std::nullopt;
    }
    double whole = 0;
    for (int k = 0; k <= d.exponent; ++k) {
        whole = whole * 10 + (d.digits[k] - '0');
    }
    return x < 0 ? -whole : whole;
}

std::int64_t Scale(double digits) {
    std::int64_t scale = 1;
    for (int k = 0; k < static_cast<int>(digits); ++k) {
        scale *= 10;
    }
    return scale;
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

namespace detail {

// 5 x 10^(D - 16) for D whole digits (0 <= whole < 10^14).
double HalfUnitOfLastDigit(double whole) {
    static constexpr double Halves[] = {5e-16, 5e-15, 5e-14, 5e-13, 5e-12, 5e-11, 5e-10, 5e-9,
                                        5e-8,  5e-7,  5e-6,  5e-5,  5e-4,  5e-3,  5e-2};
    int digits = 0;
    for (double bound = 1; digits < 14 && whole >= bound; bound *= 10) {
        ++digits;
    }
    return Halves[digits];
}

}  // namespace detail

double RoundMoneyByText(double value, double digits) {
    const auto intPart = TextIntegerPart(static_cast<long double>(value) - 1.0L);
    if (!intPart) {
        return value;
    }
    const auto scale = static_cast<long double>(Scale(digits));
    // llrintl rounds exact halves to even in the default rounding mode.
    const long long scaled = std::llrintl((static_cast<long double>(value) - *intPart) * scale);
    const double frac = static_cast<double>(static_cast<long double>(scaled) / scale);
    return static_cast<double>(static_cast<long double>(*intPart) + frac);
}

std::string GeneralNumberText(long double value, std::string_view decimalSeparator) {
    if (value == 0 || !std::isfinite(value)) {
        return value == 0 ? "0" : (std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF"));
    }
    const Decimal15 d = ToDecimal15(std::fabs(value));
    std::string_view digits(d.digits, SignificantDigits);
    digits = digits.substr(0, digits.find_last_not_of('0') + 1);
    std::string text = value < 0 ? "-" : "";
    if (NeedsExponent(d.exponent)) {
        text += digits[0];
        if (digits.size() > 1) {
            text.append(decimalSeparator).append(digits.substr(1));
        }
        text += 'E';
        text += std::to_string(d.exponent);
    } else if (d.exponent < 0) {
        text.append("0").append(decimalSeparator);
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        text.append(digits);
    } else {
        const auto wholeDigits = static_cast<std::size_t>(d.exponent + 1);
        if (digits.size() <= wholeDigits) {
            text.append(digits).append(wholeDigits - digits.size(), '0');
        } else {
            text.append(digits.substr(0, wholeDigits))
                .append(decimalSeparator)
                .append(digits.substr(wholeDigits));
        }
    }
    return text;
}

std::string FormatMoney(const Regional& regional, double value, MoneyForm form) {
    return regional.money(value, form);
}

std::string_view Strip(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<double> ReadDecimal(std::string_view text, std::string_view decimalSeparator) {
    std::size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
            ++pos;
        }
    };
    auto isDigit = [&](std::size_t at) {
        return at < text.size() && text[at] >= '0' && text[at] <= '9';
    };

    skipBlanks();
    std::string ascii;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            ascii += '-';
        }
        ++pos;
    }
    int mantissaDigits = 0;
    while (isDigit(pos)) {
        ascii += text[pos++];
        ++mantissaDigits;
    }
    if (!decimalSeparator.empty() &&
        text.substr(pos, decimalSeparator.size()) == decimalSeparator) {
        pos += decimalSeparator.size();
        ascii += '.';
        while (isDigit(pos)) {
            ascii += text[pos++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    bool negativeExponent = false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        ascii += 'e';
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            if (negativeExponent) {
                ascii += '-';
            }
            ++pos;
        }
        if (!isDigit(pos)) {
            return std::nullopt;
        }
        while (isDigit(pos)) {
            ascii += text[pos++];
        }
    }
    skipBlanks();
    if (pos != text.size()) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec == std::errc::result_out_of_range && negativeExponent) {
        return ascii.front() == '-' ? -0.0 : 0.0;  // underflow reads as zero
    }
    if (ec != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ReadWhole(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        pos += 1;
    } else if (pos < text.size() && (text[pos] == 'x' || text[pos] == 'X')) {
        base = 16;
        pos += 1;
    } else if (pos + 1 < text.size() && text[pos] == '0' &&
               (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    // from_chars takes a sign of its own: "--0" and "$-0" are not numbers.
    if (pos == text.size() || text[pos] == '-') {
        return std::nullopt;
    }
    long long magnitude = 0;
    const auto [end, ec] =
        std::from_chars(text.data() + pos, text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

int WholeOrZero(std::string_view text) {
    return ReadWhole(Strip(text)).value_or(0);
}

std::optional<double> NumberInRange(std::string_view text, double low, double high,
                                    std::string_view decimalSeparator) {
    const auto value = ReadDecimal(Strip(text), decimalSeparator);
    if (value && low <= *value && *value <= high) {
        return value;
    }
    return std::nullopt;
}

bool IsNumberInRange(std::string_view text, double low, double high,
                     std::string_view decimalSeparator) {
    return NumberInRange(text, low, high, decimalSeparator).has_value();
}

bool IsNumber(std::string_view text, std::string_view decimalSeparator) {
    const auto stripped = Strip(text);
    return !stripped.empty() && ReadDecimal(stripped, decimalSeparator).has_value();
}

bool IsWholeNumber(std::string_view text) {
    return ReadWhole(Strip(text)).has_value();
}

Outcome CheckTerm(std::string_view yearsText, std::string_view label, std::string_view partText,
                  int maxYears, double periodsPerYear) {
    yearsText = Strip(yearsText);
    partText = Strip(partText);
    int years = 0;
    int part = 0;
    if (!yearsText.empty()) {
        const auto value = ReadWhole(yearsText);
        if (!value) {
            return Confirm(msg::ValidYear);
        }
        years = *value;
        if (years < 0 || years > maxYears) {
            return Confirm(Fill(msg::YearsOutOfRange, {label, std::to_string(maxYears)}));
        }
    }
    const std::string_view periodName = PeriodName(periodsPerYear);
    if (!partText.empty()) {
        const auto value = ReadWhole(partText);
        if (!value) {
            return Confirm(Fill(msg::ValidPartYear, {periodName}));
        }
        part = *value;
    }
    if (part < 0 || part > periodsPerYear) {
        return Confirm(
            Fill(msg::PartYearOutOfRange, {periodName, GeneralNumberText(periodsPerYear)}));
    }
    if (static_cast<long long>(years) + part <= 0) {
        return Confirm(Fill(msg::TermMissing, {label}));
    }
    return std::nullopt;
}

}  // namespace corbel
