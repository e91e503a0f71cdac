// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/NumberTexts.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "TestRegional.h"
#include "calc/Messages.h"
#include "calc/Rounding.h"

namespace corbel {
namespace {

TEST(GeneralNumberTextTest, ShortestFormWithAtMostFifteenDigits) {
    EXPECT_EQ(GeneralNumberText(599.5506), "599.5506");
    EXPECT_EQ(GeneralNumberText(50), "50");
    EXPECT_EQ(GeneralNumberText(365), "365");
    EXPECT_EQ(GeneralNumberText(0), "0");
    EXPECT_EQ(GeneralNumberText(0.1), "0.1");
    EXPECT_EQ(GeneralNumberText(-0.875), "-0.875");
    EXPECT_EQ(GeneralNumberText(0.00012), "0.00012");
    EXPECT_EQ(GeneralNumberText(1e-5), "1E-5");
    EXPECT_EQ(GeneralNumberText(1e15), "1E15");
    EXPECT_EQ(GeneralNumberText(999999999999999.0), "999999999999999");
    EXPECT_EQ(GeneralNumberText(123456789012345678.0), "1.23456789012346E17");
    EXPECT_EQ(GeneralNumberText(0.125, ","), "0,125");
    // A decimal half at the sixteenth digit rounds away from zero.
    EXPECT_EQ(GeneralNumberText(123456789012344.5L), "123456789012345");
    EXPECT_EQ(GeneralNumberText(12345678901234.5L), "12345678901234.5");
    EXPECT_EQ(GeneralNumberText(5.75 - 0.25), "5.5");
}

// The desktop program runs under the user's C locale (the windowing library sets
// it); a decimal comma there must not leak into the program's own number texts.
TEST(GeneralNumberTextTest, UnmovedByADecimalCommaLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the set-up script makes it";
    const std::string text = GeneralNumberText(1234.5);
    const double rounded = RoundMoneyByText(1234.999999999, 2);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(text, "1234.5");
    EXPECT_EQ(rounded, 1235);
}

TEST(FillTest, HolesFilledInOnePass) {
    EXPECT_EQ(Fill("You must enter%1 between 0 and %2", {" a period ", "50"}),
              "You must enter a period  between 0 and 50");
    // An argument is not searched for holes; a hole without an argument stays.
    EXPECT_EQ(Fill("%2 of %1%", {"%2", "5"}), "5 of %2%");
    EXPECT_EQ(Fill("%3 left", {"a"}), "%3 left");
}

TEST(FormatMoneyTest, RegionalFormsInTwoLocales) {
    const auto& us = test::EnUs();
    EXPECT_EQ(FormatMoney(us, 115832.0823), "$115,832.08");
    EXPECT_EQ(FormatMoney(us, -1234.5), "($1,234.50)");
    EXPECT_EQ(FormatMoney(us, 0.125), "$0.13");  // halves away from zero, unlike RoundMoney
    EXPECT_EQ(FormatMoney(us, 100000, MoneyForm::NoDecimals), "$100,000");
    EXPECT_EQ(FormatMoney(us, 644.3, MoneyForm::TwoDecimals), "$644.30");
    const auto& de = test::DeDe();
    EXPECT_EQ(FormatMoney(de, 115832.0823), "115.832,08\u00a0\u20ac");
    EXPECT_EQ(FormatMoney(de, -1234.5), "-1.234,50\u00a0\u20ac");
    EXPECT_EQ(FormatMoney(de, 50000, MoneyForm::NoDecimals), "50.000\u00a0\u20ac");
    EXPECT_EQ(de.decimalSeparator(), ",");
}

TEST(FormatMoneyTest, LocaleWithoutCurrencyUsesTheUsForm) {
    const LocaleRegional c(QLocale::c());
    EXPECT_EQ(FormatMoney(c, 1234.5), "$1,234.50");
    EXPECT_EQ(c.decimalSeparator(), ".");
}

}  // namespace
}  // namespace corbel
