// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MoneyTexts.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace corbel {

namespace {

constexpr std::uint64_t PowersOfTen[] = {1, 10, 100, 1000, 10000};
constexpr int MaxCurrencyDigits = 4;
// Every money value below this has at most 15 whole digits, and times 10^4 it
// still fits in 64 bits.
constexpr double Largest = 1e15;

// round(|value| x 10^digits), halves away from zero, from the exact binary
// value: the rounding of QLocale's fixed-point texts.
std::uint64_t ScaledMagnitude(double value, int digits) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto exponentField = static_cast<int>((bits >> 52) & 0x7ff);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    // |value| = mantissa x 2^exponent exactly.
    const std::uint64_t mantissa =
        exponentField == 0 ? fraction : fraction | std::uint64_t{1} << 52;
    const int exponent = (exponentField == 0 ? 1 : exponentField) - 1075;
    if (exponent >= 0) {
        return (mantissa << exponent) * PowersOfTen[digits];
    }
    const int shift = -exponent;
    // mantissa x 10^4 < 2^67: a shift of 68 or more leaves less than a half.
    if (shift >= 68) {
        return 0;
    }
    using Wide = unsigned __int128;
    const Wide scaled = Wide{mantissa} * PowersOfTen[digits];
    const Wide whole = scaled >> shift;
    const Wide rest = scaled - (whole << shift);
    return static_cast<std::uint64_t>(whole) + (rest >= (Wide{1} << (shift - 1)) ? 1 : 0);
}

// Values the learnt form is checked on: every length of the whole part, digits
// that carry on rounding, exact binary halves, values that round to nothing.
std::vector<double> CheckedValues() {
    std::vector<double> values{0, 0.001, 0.004, 0.005, 0.125, 0.5, 1.5, 2.5, 2.675, 0.995};
    for (double scale = 1; scale < Largest; scale *= 10) {
        for (const double digits : {1.0, 1.23456789, 9.87654321}) {
            values.push_back(scale * digits);
        }
        values.push_back(scale - 0.005);
        values.push_back(scale - 0.5);
        values.push_back(scale + 0.125);
    }
    const std::size_t positive = values.size();
    for (std::size_t k = 1; k < positive; ++k) {
        values.push_back(-values[k]);
    }
    return values;
}

}  // namespace

MoneyTexts::MoneyTexts(const QLocale& locale)
    : MoneyTexts(locale, [locale](double value, int precision) {
          return locale.toCurrencyString(value, QString(), precision);
      }) {}

MoneyTexts::MoneyTexts(const QLocale& locale, CurrencyText reference)
    : reference_(std::move(reference)), form_(learn(locale, reference_)) {}

std::optional<MoneyTexts::Form> MoneyTexts::learn(const QLocale& locale,
                                                  const CurrencyText& reference) {
    Form form;
    std::array<QString, 10> digits;
    for (int d = 0; d < 10; ++d) {
        digits[d] = locale.toString(static_cast<double>(d), 'f', 0);
        if (digits[d].isEmpty() || !form.digits[d].assign(digits[d], LongestDigit)) {
            return std::nullopt;
        }
    }
    // The decimal point: what stands between the digits of 1.5.
    const QString oneAndHalf = locale.toString(1.5, 'f', 1);
    if (!oneAndHalf.startsWith(digits[1]) || !oneAndHalf.endsWith(digits[5]) ||
        oneAndHalf.size() <= digits[1].size() + digits[5].size() ||
        !form.decimalPoint.assign(
            oneAndHalf.sliced(digits[1].size(),
                              oneAndHalf.size() - digits[1].size() - digits[5].size()),
            LongestMark)) {
        return std::nullopt;
    }
    // Where separators fall in a whole part of each length: read from 10^(n-1).
    const QString group = locale.groupSeparator();
    if (!form.group.assign(group, LongestMark)) {
        return std::nullopt;
    }
    for (int n = 1; n <= MaxWholeDigits; ++n) {
        const QString text = locale.toString(std::pow(10.0, n - 1), 'f', 0);
        qsizetype at = 0;
        for (int k = 0; k < n; ++k) {
            const QString& digit = digits[k == 0 ? 1 : 0];
            if (!text.sliced(at).startsWith(digit)) {
                return std::nullopt;
            }
            at += digit.size();
            if (k + 1 < n && !group.isEmpty() && text.sliced(at).startsWith(group)) {
                form.groupsAfter[n] |= std::uint32_t{1} << k;
                at += group.size();
            }
        }
        if (at != text.size()) {
            return std::nullopt;
        }
    }
    // The currency's own decimals: the precision whose text the default gives.
    const double probe = 0.123456789;
    const QString regional = reference(probe, -1);
    form.currencyDigits = -1;
    for (int p = 0; p <= MaxCurrencyDigits && form.currencyDigits < 0; ++p) {
        if (reference(probe, p) == regional) {
            form.currencyDigits = p;
        }
    }
    if (form.currencyDigits < 0) {
        return std::nullopt;
    }
    // What stands before and after the plain number, for each sign.
    const QString number = locale.toString(1234.5, 'f', 2);
    const auto affixes = [&](double value, Piece& prefix, Piece& suffix) {
        const QString text = reference(value, 2);
        const qsizetype at = text.indexOf(number);
        return at >= 0 && prefix.assign(text.first(at), LongestAffix) &&
               suffix.assign(text.sliced(at + number.size()), LongestAffix);
    };
    if (!affixes(1234.5, form.positivePrefix, form.positiveSuffix) ||
        !affixes(-1234.5, form.negativePrefix, form.negativeSuffix)) {
        return std::nullopt;
    }
    // The form holds only if it writes the reference's very texts.
    char text[TextRoom];
    for (const double value : CheckedValues()) {
        for (const int precision : {-1, 0, 2}) {
            const std::size_t size = write(form, value, precision, text);
            if (size != 0 &&
                std::string_view(text, size) != reference(value, precision).toStdString()) {
                return std::nullopt;
            }
        }
    }
    return form;
}

std::size_t MoneyTexts::write(const Form& form, double value, int precision, char* text) {
    const int digits = precision < 0 ? form.currencyDigits : precision;
    if (!(std::fabs(value) < Largest) ||
        (digits != 0 && digits != 2 && digits != form.currencyDigits)) {
        return 0;
    }
    const std::uint64_t scaled = ScaledMagnitude(value, digits);
    // Negative zero and negatives that round to nothing keep QLocale's own sign rules.
    if (scaled == 0 && std::signbit(value)) {
        return 0;
    }
    // Constant divisors for the usual decimals: a multiplication, not a division.
    std::uint64_t whole = digits == 2   ? scaled / 100
                          : digits == 0 ? scaled
                                        : scaled / PowersOfTen[digits];
    const std::uint64_t cents = scaled - whole * PowersOfTen[digits];
    int wholeDigits[20];
    int count = 0;
    do {
        wholeDigits[count++] = static_cast<int>(whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (count > MaxWholeDigits) {
        return 0;
    }

    char* end = text;
    const bool negative = value < 0;
    (negative ? form.negativePrefix : form.positivePrefix).put(end);
    const std::uint32_t groups = form.groupsAfter[count];
    for (int k = 0; k < count; ++k) {
        form.digits[wholeDigits[count - 1 - k]].put(end);
        if ((groups >> k) & 1) {
            form.group.put(end);
        }
    }
    if (digits > 0) {
        form.decimalPoint.put(end);
        for (int k = digits - 1; k >= 0; --k) {
            form.digits[(cents / PowersOfTen[k]) % 10].put(end);
        }
    }
    (negative ? form.negativeSuffix : form.positiveSuffix).put(end);
    return static_cast<std::size_t>(end - text);
}

std::string MoneyTexts::text(double value, int precision) const {
    if (form_) {
        char text[TextRoom];
        if (const std::size_t size = write(*form_, value, precision, text)) {
            return std::string(text, size);
        }
    }
    return reference_(value, precision).toStdString();
}

}  // namespace corbel
