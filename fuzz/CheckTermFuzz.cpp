// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any years and part-year texts given to the term check every window shares:
// no crash, no undefined behaviour, a complete message for every refusal, and a
// pass exactly for a term of 0 to 50 years plus 0 to a year's periods, not
// both zero.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calc/Frequency.h"
#include "calc/Messages.h"
#include "calc/NumberReading.h"
#include "calc/TermCheck.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The field's whole number within low..high; empty counts as 0.
bool WithinOrEmpty(std::string_view text, int low, double high, int& value) {
    text = corbel::Strip(text);
    value = 0;
    if (text.empty()) {
        return true;
    }
    const auto whole = corbel::ReadWhole(text);
    if (!whole) {
        return false;
    }
    value = *whole;
    return low <= value && value <= high;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the repayment frequency; the rest is "years\0part".
    const double periods = corbel::Frequencies[data[0] % corbel::FrequencyCount].periodsPerYear;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t cut = rest.find('\0');
    const std::string_view years = rest.substr(0, cut);
    const std::string_view part = cut == std::string_view::npos ? "" : rest.substr(cut + 1);

    const corbel::Outcome failure =
        corbel::CheckTerm(years, corbel::msg::PeriodLabel, part, corbel::MaxYears, periods);
    int y = 0;
    int p = 0;
    const bool sound = WithinOrEmpty(years, 0, corbel::MaxYears, y) &&
                       WithinOrEmpty(part, 0, periods, p) && y + p > 0;
    Check(sound == !failure.has_value());
    if (failure) {
        Check(!failure->text.empty());
        Check(failure->text.find('%') == std::string::npos);  // every hole filled
    }
    return 0;
}
