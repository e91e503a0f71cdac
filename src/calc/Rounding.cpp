// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/Rounding.h"

#include <cmath>

#include "calc/NumberTexts.h"

namespace corbel {

namespace {

std::int64_t Scale(double digits) {
    std::int64_t scale = 1;
    for (int k = 0; k < static_cast<int>(digits); ++k) {
        scale *= 10;
    }
    return scale;
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

}  // namespace corbel
