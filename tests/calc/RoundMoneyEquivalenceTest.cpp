// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/Rounding.h"

namespace corbel {
namespace {

// The fast RoundMoney must agree with the text-based routine bit for bit.
void ExpectSame(double value, double digits) {
    const double fast = RoundMoney(value, digits);
    const double text = RoundMoneyByText(value, digits);
    ASSERT_TRUE(fast == text && std::signbit(fast) == std::signbit(text))
        << std::hexfloat << value << " digits " << digits << ": " << fast << " vs " << text;
}

TEST(RoundMoneyEquivalenceTest, MillionsOfValues) {
    std::mt19937_64 generator(20261208);
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_int_distribution<int> exponent(-12, 16);
    const double digitsChoice[] = {0, 2, 4, 10};
    for (int k = 0; k < 1'000'000; ++k) {
        const double digits = digitsChoice[k % 4];
        // Any magnitude, either sign.
        const double magnitude = unit(generator) * std::pow(10.0, exponent(generator));
        ExpectSame(k % 2 ? magnitude : -magnitude, digits);
        // Cent amounts and the products that the runs round.
        const double cents = std::floor(unit(generator) * 1e11) / 100;
        ExpectSame(cents, digits);
        ExpectSame(cents * (unit(generator) * 0.02), 2);
        // Just around integers and around 1 +- 0.0001, where the text decides.
        const double whole = std::floor(unit(generator) * 1e6);
        const double offset = std::ldexp(unit(generator) - 0.5, -exponent(generator) - 20);
        ExpectSame(whole + offset, digits);
        ExpectSame(whole + 0.95 + offset, digits);
        ExpectSame(1 + 1e-4 + offset, digits);
        ExpectSame(1 - 1e-4 + offset, digits);
        // Below 1, where the cents are the value's own.
        ExpectSame(unit(generator), 2);
        ExpectSame(std::ldexp(unit(generator), -exponent(generator) - 12), 2);
    }
}

// Where the cents path starts and ends, its exact halves below 1, zeros and the
// smallest doubles.
TEST(RoundMoneyEquivalenceTest, EdgesOfTheCentsPath) {
    const double edges[] = {
        0.0,  -0.0,  0.125, 0.375,   0.625,  0.875,     0.005,   0.015,  0.9998,           1.001,
        1e13, 1e-15, 5e-16, 4.9e-16, 1e-300, 0x1p-1074, 0.99985, 1.0009, 9999999999999.995};
    for (const double value : edges) {
        for (const double v : {std::nextafter(value, -1.0), value, std::nextafter(value, 2e13)}) {
            ExpectSame(v, 2);
        }
    }
}

}  // namespace
}  // namespace corbel
