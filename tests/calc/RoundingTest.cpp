// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace corbel {
namespace {

struct RoundCase {
    double value;
    double digits;
    double expected;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.value << " to " << c.digits;
}

class RoundMoneyTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundMoneyTest, RoundsThroughTheTextOfValueLessOne) {
    const auto& c = GetParam();
    EXPECT_EQ(RoundMoney(c.value, c.digits), c.expected) << c.value << " to " << c.digits;
    EXPECT_EQ(RoundMoneyByText(c.value, c.digits), c.expected) << c.value << " to " << c.digits;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RoundMoneyTest,
    ::testing::Values(
        // Ordinary rounding to cents, exact halves to the even cent.
        RoundCase{5.678, 2, 5.68}, RoundCase{5.674, 2, 5.67}, RoundCase{5.125, 2, 5.12},
        RoundCase{5.375, 2, 5.38}, RoundCase{0.125, 2, 0.12},
        RoundCase{999999999.125, 2, 999999999.12}, RoundCase{999999999.375, 2, 999999999.38},
        // Negative values measure the fraction upward from the integer part of V - 1.
        RoundCase{-2.3, 2, -2.3}, RoundCase{-2.125, 2, -2.12}, RoundCase{-0.004, 2, -0.0},
        // Within 0.0001 of 1 the text has an exponent: the value comes back unrounded.
        RoundCase{1.00005, 2, 1.00005}, RoundCase{0.99995, 2, 0.99995}, RoundCase{1.0, 2, 1.0},
        RoundCase{1.0002, 2, 1.0}, RoundCase{0, 2, 0},
        // Values of 10^15 and more have an exponent too.
        RoundCase{1e15 + 2, 2, 1e15 + 2}, RoundCase{1.5e20, 0, 1.5e20},
        RoundCase{123456789012.345, 2, 123456789012.35},
        // Four and ten decimals.
        RoundCase{599.55055, 4, 599.5506}, RoundCase{0.00493862203, 10, 0.004938622},
        // Whole units: the even neighbour is taken of V - trunc(V - 1).
        RoundCase{1.5, 0, 2}, RoundCase{2.5, 0, 3}, RoundCase{0.5, 0, 0}, RoundCase{30.7, 0, 31}));

TEST(RoundMoneyTest, NonFiniteValuesComeBackUnchanged) {
    EXPECT_TRUE(std::isinf(RoundMoney(HUGE_VAL, 2)));
    EXPECT_TRUE(std::isnan(RoundMoney(std::nan(""), 2)));
}

TEST(PaymentRuleTest, RoundsUpUnlessWithinATenThousandthOfACent) {
    EXPECT_EQ(RoundMoney(599.55052 + 0.0049, 2), 599.56);
    EXPECT_EQ(RoundMoney(100.00009 + 0.0049, 2), 100.00);
    EXPECT_EQ(RoundMoney(100.00005 + 0.0049, 2), 100.00);
}

}  // namespace
}  // namespace corbel
