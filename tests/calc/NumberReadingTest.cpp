// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/NumberReading.h"

#include <gtest/gtest.h>

#include <optional>

namespace corbel {
namespace {

TEST(ReadDecimalTest, AcceptsOnlyPlainDecimalNumbers) {
    EXPECT_EQ(ReadDecimal("1e3", "."), 1000);
    EXPECT_EQ(ReadDecimal("  12.5  ", "."), 12.5);
    EXPECT_EQ(ReadDecimal("+5", "."), 5);
    EXPECT_EQ(ReadDecimal("-5", "."), -5);
    EXPECT_EQ(ReadDecimal(".5", "."), 0.5);
    EXPECT_EQ(ReadDecimal("5.", "."), 5);
    EXPECT_EQ(ReadDecimal("2.5E-1", "."), 0.25);
    EXPECT_EQ(ReadDecimal("12,5", ","), 12.5);
    for (const char* bad :
         {"", " ", "1,000", ".", "e5", "1e", "1.2.3", "abc", "1e999", "5 5", "--5", "0x10", "$5"}) {
        EXPECT_FALSE(ReadDecimal(bad, ".").has_value()) << bad;
    }
    EXPECT_FALSE(ReadDecimal("12.5", ",").has_value());
}

TEST(ReadWholeTest, DecimalAndHexadecimalFormsThatFitThirtyTwoBits) {
    EXPECT_EQ(ReadWhole("30"), 30);
    EXPECT_EQ(ReadWhole(" -3"), -3);
    EXPECT_EQ(ReadWhole("+7"), 7);
    EXPECT_EQ(ReadWhole("$1F"), 31);
    EXPECT_EQ(ReadWhole("0x10"), 16);
    EXPECT_EQ(ReadWhole("x10"), 16);
    EXPECT_EQ(ReadWhole("-2147483648"), -2147483648);
    for (const char* bad : {"", "2.5", "2147483648", "12 ", "1e2", "x", "$", "0x", "abc", "-",
                            "--0", "+-0", "$-0", "0x-0", "x-1"}) {
        EXPECT_FALSE(ReadWhole(bad).has_value()) << bad;
    }
    EXPECT_TRUE(IsWholeNumber(" 12 "));
    EXPECT_FALSE(IsWholeNumber(""));
}

TEST(CheckingRoutinesTest, BoundsAreInclusiveAndTextsStripped) {
    EXPECT_TRUE(IsNumberInRange("999999999", 0.001, 999999999, "."));
    EXPECT_FALSE(IsNumberInRange("999999999.5", 0.001, 999999999, "."));
    EXPECT_TRUE(IsNumberInRange("0.001", 0.001, 999999999, "."));
    EXPECT_FALSE(IsNumberInRange("0.0009", 0.001, 999999999, "."));
    EXPECT_TRUE(IsNumberInRange("\t 100 \n", 0, 100, "."));
    EXPECT_FALSE(IsNumberInRange("", 0, 100, "."));
    EXPECT_EQ(NumberInRange(" 12,5 ", 0, 100, ","), 12.5);
    EXPECT_EQ(NumberInRange("100.5", 0, 100, "."), std::nullopt);
    EXPECT_FALSE(IsNumber("  ", "."));
    EXPECT_TRUE(IsNumber(" 1e3 ", "."));
    EXPECT_FALSE(IsNumber("abc", "."));
}

}  // namespace
}  // namespace corbel
