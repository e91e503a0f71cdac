// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/NumberTexts.h"

#include <charconv>
#include <cmath>

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

}  // namespace

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

}  // namespace corbel
