// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/WhatIf.h"

#include <gtest/gtest.h>

#include <cmath>

#include "TestRegional.h"

namespace corbel {
namespace {

using enum WhatIfVariable;
constexpr auto Arrears = PaymentTiming::InArrears;
constexpr auto Advance = PaymentTiming::InAdvance;
constexpr auto Monthly = PaymentFrequency::Monthly;

WhatIfFields Fields(std::string principal, std::string interest, std::string periods,
                    std::string partYear, std::string repay) {
    return {std::move(principal), std::move(interest), std::move(periods), std::move(partYear),
            std::move(repay)};
}

Checked<WhatIfFields> Solve(const WhatIfFields& fields, WhatIfVariable solve,
                            PaymentTiming timing = Arrears, PaymentFrequency repayment = Monthly,
                            PaymentFrequency compounding = Monthly) {
    return SolveWhatIf(fields, solve, repayment, compounding, timing, test::EnUs());
}

// Only the solved fields may change.
void ExpectOnlyOutputsChanged(const WhatIfFields& before, const WhatIfFields& after,
                              WhatIfVariable solve) {
    for (const auto field : {WhatIfField::Principal, WhatIfField::Interest, WhatIfField::Periods,
                             WhatIfField::PartYear, WhatIfField::Repay}) {
        if (!IsOutputField(solve, field)) {
            EXPECT_EQ(FieldText(after, field), FieldText(before, field));
        }
    }
}

TEST(WhatIfPaymentTest, FourDecimalsNudgedUp) {
    const auto in = Fields("100000", "6", "30", "", "");
    auto out = Solve(in, Payment);
    ASSERT_TRUE(out) << out.failure().text;
    EXPECT_EQ(out->repay, "599.5506");
    ExpectOnlyOutputsChanged(in, *out, Payment);
    out = Solve(in, Payment, Advance);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->repay, "596.5677");
}

TEST(WhatIfPaymentTest, RegionalDecimalSeparator) {
    const auto out = SolveWhatIf(Fields("100000", "6", "30", "", ""), Payment, Monthly, Monthly,
                                 Arrears, test::DeDe());
    ASSERT_TRUE(out);
    EXPECT_EQ(out->repay, "599,5506");
}

TEST(WhatIfAmountTest, WholeAmountFromTheCentRepayment) {
    const auto in = Fields("", "6", "30", "", "599.55");
    const auto out = Solve(in, Amount);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->principal, "100000");
    ExpectOnlyOutputsChanged(in, *out, Amount);
}

TEST(WhatIfPeriodsTest, NudgedRepaymentLandsOnTheWholeTerm) {
    const auto in = Fields("100000", "6", "", "", "599.5506");
    auto out = Solve(in, Periods);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->periods, "30");
    EXPECT_EQ(out->partYear, "0");
    ExpectOnlyOutputsChanged(in, *out, Periods);
    // Just under the exact repayment a part of a 361st period is left: a whole one more.
    out = Solve(Fields("100000", "6", "", "", "599.5505"), Periods);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->periods, "30");
    EXPECT_EQ(out->partYear, "1");
}

TEST(WhatIfPeriodsTest, AmountZeroTakesNoPeriods) {
    for (const auto timing : {Arrears, Advance}) {
        const auto out = Solve(Fields("0", "6", "", "", "100"), Periods, timing);
        ASSERT_TRUE(out);
        EXPECT_EQ(out->periods, "0");
        EXPECT_EQ(out->partYear, "0");
    }
}

TEST(WhatIfPeriodsTest, AnnualRepaymentsWriteZeroPartYear) {
    const auto out = Solve(Fields("100000", "6", "", "", "8000"), Periods, Arrears,
                           PaymentFrequency::Annualy, PaymentFrequency::Annualy);
    ASSERT_TRUE(out);
    // 8000 a year at 6% clears 100000 in 23.8 years: 24 repayments.
    EXPECT_EQ(out->periods, "24");
    EXPECT_EQ(out->partYear, "0");
}

TEST(WhatIfPeriodsTest, YearsAndPartYearSplit) {
    // 1000 at 12% monthly, 100 a month: 10.59 repayments, so 11 of them.
    auto out = Solve(Fields("1000", "12", "", "", "100"), Periods);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->periods, "0");
    EXPECT_EQ(out->partYear, "11");
    // Fortnightly over many years: 30 years of 26 and the rest.
    out = Solve(Fields("100000", "6", "", "", "250"), Periods, Arrears,
                PaymentFrequency::FortNightly, PaymentFrequency::FortNightly);
    ASSERT_TRUE(out);
    const int years = std::stoi(out->periods);
    const int part = std::stoi(out->partYear);
    EXPECT_GE(part, 0);
    EXPECT_LT(part, 26);
    const auto check = Solve(Fields("100000", "6", out->periods, out->partYear, ""), Payment,
                             Arrears, PaymentFrequency::FortNightly, PaymentFrequency::FortNightly);
    ASSERT_TRUE(check);
    EXPECT_LE(std::stod(check->repay), 250);  // the found term is enough
    EXPECT_GT(years, 0);
}

struct UnpayableCase {
    const char* repay;
    PaymentTiming timing;
};

void PrintTo(const UnpayableCase& c, std::ostream* os) {
    *os << c.repay << (c.timing == Arrears ? " in arrears" : " in advance");
}

class WhatIfUnpayableTest : public ::testing::TestWithParam<UnpayableCase> {};

TEST_P(WhatIfUnpayableTest, CantBePaidOff) {
    const auto out =
        Solve(Fields("100000", "6", "", "", GetParam().repay), Periods, GetParam().timing);
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().text,
              "This Loan can't be paid off in a reasonable period. Try increasing your payments.");
    EXPECT_EQ(out.failure().cause, MessageCause::NoAnswer);
}

// 500 is exactly one month's interest in arrears; in advance the first repayment
// comes off before interest, so the bound is 100000 / 201.
INSTANTIATE_TEST_SUITE_P(Repayments, WhatIfUnpayableTest,
                         ::testing::Values(UnpayableCase{"500", Arrears},
                                           UnpayableCase{"400", Arrears},
                                           UnpayableCase{"0", Arrears},
                                           UnpayableCase{"497.5", Advance},
                                           UnpayableCase{"0", Advance}));

TEST(WhatIfPeriodsTest, AdvanceClearsWhereArrearsCannot) {
    const auto out = Solve(Fields("100000", "6", "", "", "500"), Periods, Advance);
    ASSERT_TRUE(out);
    EXPECT_GT(std::stoi(out->periods), 50);  // no limit on the years found
}

TEST(WhatIfInterestTest, SearchEndsJustAboveSix) {
    const auto b = SearchWhatIfRate(100000, 599.5506, 360, 12, Arrears);
    ASSERT_TRUE(b);
    EXPECT_NEAR(*b, 6.0000011, 1e-12);
    const auto in = Fields("100000", "", "30", "", "599.5506");
    const auto out = Solve(in, Interest);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->interest, "6");
    ExpectOnlyOutputsChanged(in, *out, Interest);
}

TEST(WhatIfInterestTest, RepaymentBelowZeroRateNeedHasNoRate) {
    // 100000 over 360 months needs 277.7777... at no interest at all.
    for (const auto timing : {Arrears, Advance}) {
        for (const auto repay : {"277.7776", "277", "100", "0"}) {
            const auto out = Solve(Fields("100000", "", "30", "", repay), Interest, timing);
            ASSERT_FALSE(out) << repay;
            EXPECT_EQ(out.failure().text, "No interest rate of 0% or more gives this repayment.");
            EXPECT_EQ(out.failure().cause, MessageCause::NoAnswer);
        }
        // Within a ten-thousandth of the zero-rate repayment the rate is 0.
        const auto out = Solve(Fields("100000", "", "30", "", "277.7777"), Interest, timing);
        ASSERT_TRUE(out) << out.failure().text;
        EXPECT_EQ(out->interest, "0");
    }
}

TEST(WhatIfInterestTest, WholePercentScanGoesPastFifty) {
    for (const double rate : {50.0, 60.0, 333.0, 999.5}) {
        const double repay = WhatIfRepayment(1000, rate / 1200, 12, Arrears);
        const auto b = SearchWhatIfRate(1000, repay, 12, 12, Arrears);
        ASSERT_TRUE(b) << rate;
        EXPECT_NEAR(*b, rate, 2e-7) << rate;
    }
}

TEST(WhatIfInterestTest, AboveAThousandPercentIsRefused) {
    // Repaying 1000 in twelve months of 1000: about 100% a month.
    const auto in = Fields("1000", "", "1", "", "1000");
    const auto out = Solve(in, Interest);
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().text, "The interest rate needed for this repayment is above 1000%.");
    EXPECT_EQ(out.failure().cause, MessageCause::NoAnswer);
    EXPECT_FALSE(SearchWhatIfRate(1000, 1000, 12, 12, Arrears));
    // Just inside the scan's reach.
    EXPECT_TRUE(
        SearchWhatIfRate(1000, WhatIfRepayment(1000, 999.0 / 1200, 12, Arrears), 12, 12, Arrears));
}

TEST(WhatIfInterestTest, AmountZeroHasNoRate) {
    const auto out = Solve(Fields("0", "", "30", "", "100"), Interest);
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().text, "An interest rate can't be found for a Loan amount of 0.");
    EXPECT_EQ(out.failure().cause, MessageCause::NoAnswer);
}

struct RoundTripCase {
    const char* rate;
    const char* years;
    const char* part;
    PaymentFrequency repayment;
    PaymentFrequency compounding;
    PaymentTiming timing;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.rate << "% " << c.years << "y " << c.part << " " << Label(c.repayment) << "/"
        << Label(c.compounding) << (c.timing == Arrears ? " in arrears" : " in advance");
}

class WhatIfRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

// The rate found from a solved repayment converts back to the typed compounding.
TEST_P(WhatIfRoundTripTest, PaymentThenInterest) {
    const auto& c = GetParam();
    const auto paid = Solve(Fields("250000", c.rate, c.years, c.part, ""), Payment, c.timing,
                            c.repayment, c.compounding);
    ASSERT_TRUE(paid);
    auto in = *paid;
    in.interest.clear();
    const auto found = Solve(in, Interest, c.timing, c.repayment, c.compounding);
    ASSERT_TRUE(found) << found.failure().text;
    EXPECT_NEAR(std::stod(found->interest), std::stod(c.rate), 1.5e-4) << found->interest;
}

INSTANTIATE_TEST_SUITE_P(
    Terms, WhatIfRoundTripTest,
    ::testing::Values(
        RoundTripCase{"6", "30", "", Monthly, Monthly, Arrears},
        RoundTripCase{"6", "30", "", Monthly, Monthly, Advance},
        RoundTripCase{"7.25", "20", "6", Monthly, PaymentFrequency::Annualy, Arrears},
        RoundTripCase{"12", "10", "", PaymentFrequency::Weekly, PaymentFrequency::Daily, Advance},
        RoundTripCase{"3.5", "15", "", PaymentFrequency::FortNightly, PaymentFrequency::BiAnnualy,
                      Arrears},
        // Annual repayments of a daily-compounded 100%: b is near 171.5 at yearly compounding.
        RoundTripCase{"100", "10", "", PaymentFrequency::Annualy, PaymentFrequency::Daily,
                      Arrears}));

TEST(WhatIfZeroRateTest, LimitsOfTheFormulas) {
    // 0.000001% daily is below 10^-10 a day: the rate counts as zero.
    const auto daily = PaymentFrequency::Daily;
    auto out = Solve(Fields("36500", "0.000001", "1", "", ""), Payment, Arrears, daily, daily);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->repay, "100");
    out = Solve(Fields("", "0.000001", "1", "", "100"), Amount, Advance, daily, daily);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->principal, "36500");
    // 365 repayments exactly: a whole count gains one, as at any rate.
    out = Solve(Fields("36500", "0.000001", "", "", "100"), Periods, Arrears, daily, daily);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->periods, "1");
    EXPECT_EQ(out->partYear, "1");
    out = Solve(Fields("36500", "0.000001", "", "", "0"), Periods, Advance, daily, daily);
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().text,
              "This Loan can't be paid off in a reasonable period. Try increasing your payments.");
    // A count beyond any double is no answer either.
    out = Solve(Fields("999999999", "0.000001", "", "", "1e-300"), Periods, Arrears, daily, daily);
    ASSERT_FALSE(out);
}

TEST(WhatIfZeroRateTest, PeriodsAreWholeNumbersBelowTenToTheFifteen) {
    const auto daily = PaymentFrequency::Daily;
    // 10^14 + 1 repayments: whole years and days, never an exponent.
    auto out = Solve(Fields("1000", "0.000001", "", "", "1e-11"), Periods, Arrears, daily, daily);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->periods, "273972602739");
    EXPECT_EQ(out->partYear, "266");
    // 10^15 repayments and more: no whole count to write.
    out = Solve(Fields("1000", "0.000001", "", "", "1e-12"), Periods, Arrears, daily, daily);
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().text,
              "This Loan can't be paid off in a reasonable period. Try increasing your payments.");
}

TEST(WhatIfZeroRateTest, ClosedFormsStayFinite) {
    for (const auto timing : {Arrears, Advance}) {
        EXPECT_EQ(WhatIfRepayment(1200, 0, 12, timing), 100);
        EXPECT_EQ(WhatIfAmount(100, 0, 12, timing), 1200);
        EXPECT_EQ(WhatIfPeriods(1200, 100, 0, timing), 12);
        EXPECT_FALSE(WhatIfPeriods(1200, 0, 0, timing));
    }
}

struct CheckCase {
    WhatIfVariable solve;
    WhatIfFields fields;
    const char* message;
    MessageCause cause;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << static_cast<int>(c.solve) << " '" << c.fields.principal << "' '" << c.fields.interest
        << "' '" << c.fields.periods << "' '" << c.fields.partYear << "' '" << c.fields.repay
        << "'";
}

class WhatIfChecksTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(WhatIfChecksTest, FirstFailingCheckInOrder) {
    const auto& c = GetParam();
    const auto out = Solve(c.fields, c.solve);
    ASSERT_FALSE(out);
    EXPECT_EQ(out.failure().text, c.message);
    EXPECT_EQ(out.failure().cause, c.cause);
}

constexpr auto AmountCause = MessageCause::AmountOutOfRange;
constexpr auto RateCause = MessageCause::RateOutOfRange;
constexpr auto TermCause = MessageCause::TermInvalid;
const char* const RateMsg = "You must enter an interest rate greater than 0 and less that 100%";
const char* const AmountMsg = "You must enter a valid amount, less than 999999999";
const char* const PaymentMsg = "You must enter a valid Loan payment, less than 999999999";

INSTANTIATE_TEST_SUITE_P(
    Checks, WhatIfChecksTest,
    ::testing::Values(
        // Interest first, then the term, the amount and the repayment.
        CheckCase{Payment, Fields("x", "0", "99", "", "x"), RateMsg, RateCause},
        CheckCase{Amount, Fields("", "100.01", "30", "", "1"), RateMsg, RateCause},
        CheckCase{Amount, Fields("", "", "30", "", "1"), RateMsg, RateCause},
        CheckCase{Amount, Fields("", "6", "51", "", "x"),
                  "You must enter a period  between 0 and 50", TermCause},
        CheckCase{Amount, Fields("", "6", "2.5", "", "x"), "You must enter a valid Year",
                  TermCause},
        CheckCase{Amount, Fields("", "6", "1", "13", "x"),
                  "You must enter a Month between 0 and 12", TermCause},
        CheckCase{Payment, Fields("x", "6", "", "", ""), "You must enter a period ", TermCause},
        CheckCase{Payment, Fields("-1", "6", "30", "", "x"), AmountMsg, AmountCause},
        CheckCase{Payment, Fields("1000000000", "6", "30", "", "x"), AmountMsg, AmountCause},
        CheckCase{Amount, Fields("x", "6", "30", "", "1,000"), PaymentMsg, AmountCause},
        CheckCase{Amount, Fields("", "6", "30", "", ""), PaymentMsg, AmountCause},
        // The solved variable's own check is skipped.
        CheckCase{Interest, Fields("1000", "x", "", "", "10"), "You must enter a period ",
                  TermCause},
        CheckCase{Periods, Fields("x", "6", "x", "x", "10"), AmountMsg, AmountCause},
        CheckCase{Periods, Fields("1000", "6", "", "", "-5"), PaymentMsg, AmountCause}));

TEST(WhatIfBoundsTest, BoundsAccepted) {
    EXPECT_TRUE(Solve(Fields("999999999", "100", "50", "12", "x"), Payment));
    EXPECT_TRUE(Solve(Fields("", "0.000001", "0", "1", "999999999"), Amount));
}

TEST(WhatIfFieldsTest, OutputFieldsOfEachVariable) {
    using F = WhatIfField;
    const std::vector<std::pair<WhatIfVariable, std::vector<F>>> table = {
        {Payment, {F::Repay}},
        {Amount, {F::Principal}},
        {Periods, {F::Periods, F::PartYear}},
        {Interest, {F::Interest}},
    };
    for (const auto& [solve, expected] : table) {
        const auto outputs = OutputFields(solve);
        EXPECT_EQ(std::vector<F>(outputs.begin(), outputs.end()), expected);
        auto fields = Fields("1", "2", "3", "4", "5");
        EmptyOutputFields(fields, solve);
        for (const auto field : {F::Principal, F::Interest, F::Periods, F::PartYear, F::Repay}) {
            EXPECT_EQ(FieldText(fields, field).empty(), IsOutputField(solve, field));
        }
    }
    EXPECT_EQ(DefaultWhatIfVariable, Amount);
}

}  // namespace
}  // namespace corbel
