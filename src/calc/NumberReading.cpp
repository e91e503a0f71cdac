// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/NumberReading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace corbel {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

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

}  // namespace corbel
