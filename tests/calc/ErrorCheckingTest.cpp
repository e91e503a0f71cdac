// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ErrorChecking.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "TestRegional.h"
#include "calc/Frequency.h"

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

struct TermCase {
    const char* years;
    const char* part;
    PaymentFrequency frequency;
    const char* message;  // nullptr: the term is accepted
};

void PrintTo(const TermCase& c, std::ostream* os) {
    *os << "'" << c.years << "' '" << c.part << "' " << Label(c.frequency);
}

class CheckTermTest : public ::testing::TestWithParam<TermCase> {};

TEST_P(CheckTermTest, MessagesInTheirOrder) {
    const auto& c = GetParam();
    const Outcome outcome =
        CheckTerm(c.years, " a period ", c.part, 50, PeriodsPerYear(c.frequency));
    if (c.message == nullptr) {
        EXPECT_FALSE(outcome.has_value()) << outcome->text;
    } else {
        ASSERT_TRUE(outcome.has_value());
        EXPECT_EQ(outcome->text, c.message);
        EXPECT_EQ(outcome->kind, MessageKind::Confirm);
    }
}

using PF = PaymentFrequency;
INSTANTIATE_TEST_SUITE_P(
    Terms, CheckTermTest,
    ::testing::Values(
        TermCase{"30", "", PF::Monthly, nullptr}, TermCase{"0", "5", PF::Monthly, nullptr},
        TermCase{"", "12", PF::Monthly, nullptr}, TermCase{" 50 ", " 365 ", PF::Daily, nullptr},
        TermCase{"$A", "", PF::Monthly, nullptr},
        TermCase{"", "", PF::Monthly, "You must enter a period "},
        TermCase{"  ", "\t", PF::Monthly, "You must enter a period "},
        TermCase{"0", "0", PF::Monthly, "You must enter a period "},
        TermCase{"51", "", PF::Monthly, "You must enter a period  between 0 and 50"},
        TermCase{"-1", "", PF::Monthly, "You must enter a period  between 0 and 50"},
        TermCase{"2.5", "", PF::Monthly, "You must enter a valid Year"},
        TermCase{"--0", "5", PF::Monthly, "You must enter a valid Year"},
        TermCase{"1", "$-0", PF::Monthly, "You must enter a valid Month"},
        // The years are checked before the part-year periods.
        TermCase{"2.5", "x", PF::Monthly, "You must enter a valid Year"},
        TermCase{"51", "13", PF::Monthly, "You must enter a period  between 0 and 50"},
        TermCase{"1", "x", PF::Monthly, "You must enter a valid Month"},
        TermCase{"1", "13", PF::Monthly, "You must enter a Month between 0 and 12"},
        TermCase{"1", "-1", PF::Monthly, "You must enter a Month between 0 and 12"},
        TermCase{"1", "366", PF::Daily, "You must enter a Day between 0 and 365"},
        TermCase{"1", "3", PF::BiAnnualy, "You must enter a Half-Year between 0 and 2"},
        TermCase{"1", "5", PF::Quarterly, "You must enter a Quarter between 0 and 4"},
        TermCase{"1", "25", PF::BiMonthly, "You must enter a Half-Month between 0 and 24"},
        TermCase{"1", "27", PF::FortNightly, "You must enter a Fortnight between 0 and 26"},
        TermCase{"1", "53", PF::Weekly, "You must enter a Week between 0 and 52"},
        TermCase{"1", "1.5", PF::Weekly, "You must enter a valid Week"},
        // Annual repayments have no period name.
        TermCase{"1", "2", PF::Annualy, "You must enter a  between 0 and 1"}));

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
