// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any text given to the typed-number readers: no crash, no undefined
// behaviour, only finite values, nothing accepted outside the documented forms,
// and the same value whichever decimal separator spells it.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "calc/NumberReading.h"
#include "calc/NumberTexts.h"

namespace {

bool IsDigitIn(char c, int base) {
    if (c >= '0' && c <= '9') {
        return true;
    }
    return base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

// Blanks, optional sign, digits of the base after its prefix, nothing after.
bool WholeForm(std::string_view text) {
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string_view::npos) {
        return false;
    }
    if (text[pos] == '+' || text[pos] == '-') {
        ++pos;
    }
    int base = 10;
    if (text.substr(pos, 1) == "$" || text.substr(pos, 1) == "x" || text.substr(pos, 1) == "X") {
        base = 16;
        pos += 1;
    } else if (text.substr(pos, 2) == "0x" || text.substr(pos, 2) == "0X") {
        base = 16;
        pos += 2;
    }
    if (pos == text.size()) {
        return false;
    }
    for (; pos < text.size(); ++pos) {
        if (!IsDigitIn(text[pos], base)) {
            return false;
        }
    }
    return true;
}

// Only blanks, signs, digits, exponent letters and the separator.
bool DecimalCharacters(std::string_view text, std::string_view separator) {
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (!separator.empty() && text.substr(pos, separator.size()) == separator) {
            pos += separator.size() - 1;
        } else if (std::string_view(" \t+-eE0123456789").find(text[pos]) ==
                   std::string_view::npos) {
            return false;
        }
    }
    return true;
}

bool Same(std::optional<double> a, std::optional<double> b) {
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the regional decimal separator, the rest is the field.
    static constexpr std::string_view Separators[] = {".", ",", "\xd9\xab"};
    const std::string_view separator = Separators[data[0] % 3];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const auto decimal = corbel::ReadDecimal(text, separator);
    if (decimal) {
        Check(std::isfinite(*decimal));
        Check(DecimalCharacters(text, separator));
        // Fifteen significant digits read back to the value, bar underflow.
        const auto again =
            corbel::ReadDecimal(corbel::GeneralNumberText(*decimal, separator), separator);
        Check(again.has_value());
        Check(std::fabs(*again - *decimal) <= 1e-14 * std::fabs(*decimal) ||
              std::fabs(*decimal) < std::numeric_limits<double>::min());
    }
    // The same digits with a comma for the full stop read the same.
    if (separator == "." && text.find(',') == std::string_view::npos) {
        std::string comma(text);
        for (char& c : comma) {
            c = c == '.' ? ',' : c;
        }
        Check(Same(corbel::ReadDecimal(comma, ","), decimal));
    }

    const auto whole = corbel::ReadWhole(text);
    if (whole) {
        Check(WholeForm(text));
        Check(corbel::ReadWhole(std::to_string(*whole)) == whole);
        if (decimal) {
            Check(*decimal == *whole);
        }
    }
    Check(corbel::IsWholeNumber(text) == corbel::ReadWhole(corbel::Strip(text)).has_value());

    // The ranges the windows check: amounts, rates in percent, and a negative one.
    static constexpr std::pair<double, double> Ranges[] = {
        {0, 999999999}, {0, 1000}, {-1e6, 1e6}, {1, 1}};
    for (const auto& [low, high] : Ranges) {
        const auto inRange = corbel::NumberInRange(text, low, high, separator);
        if (inRange) {
            Check(low <= *inRange && *inRange <= high);
            Check(Same(inRange, corbel::ReadDecimal(corbel::Strip(text), separator)));
        }
        Check(corbel::IsNumberInRange(text, low, high, separator) == inRange.has_value());
    }
    return 0;
}
