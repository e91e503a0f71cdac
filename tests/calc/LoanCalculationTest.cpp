// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/LoanCalculation.h"

#include <gtest/gtest.h>

#include "TestRegional.h"
#include "calc/NumberTexts.h"

namespace corbel {
namespace {

LoanTexts Loan(std::string amount, std::string rate, std::string years, std::string parts = "",
               PaymentTiming timing = PaymentTiming::InArrears) {
    LoanTexts texts;
    texts.amount = std::move(amount);
    texts.rate = std::move(rate);
    texts.years = std::move(years);
    texts.parts = std::move(parts);
    texts.timing = timing;
    return texts;
}

TEST(CalculateLoanTest, ThirtyYearsInArrears) {
    const auto loan = CalculateLoan(Loan("100000", "6", "30"), test::EnUs());
    ASSERT_TRUE(loan);
    EXPECT_EQ(loan->repayment, 599.56);
    EXPECT_NEAR(loan->totalInterest, 115832.082373, 1e-6);
    EXPECT_EQ(FormatMoney(test::EnUs(), loan->totalInterest), "$115,832.08");
    EXPECT_EQ(loan->run.paymentCount, 360);
    EXPECT_EQ(FormatMoney(test::EnUs(), loan->run.lastPayment), "$590.13");
    EXPECT_EQ(loan->run.interestTotal, 115832.17);
    EXPECT_FALSE(loan->notice);
}

TEST(CalculateLoanTest, ThirtyYearsInAdvance) {
    const auto loan =
        CalculateLoan(Loan("100000", "6", "30", "", PaymentTiming::InAdvance), test::EnUs());
    ASSERT_TRUE(loan);
    EXPECT_EQ(loan->repayment, 596.57);
    EXPECT_EQ(loan->run.paymentCount, 360);
    EXPECT_EQ(FormatMoney(test::EnUs(), loan->run.lastPayment), "$594.48");
    EXPECT_NEAR(loan->totalInterest, 114762.88, 5e-7);
    EXPECT_FALSE(loan->notice);
}

TEST(CalculateLoanTest, TinyRateClearsEarlyWithTheMessage) {
    const auto loan = CalculateLoan(Loan("1000", "0.0001", "50"), test::EnUs());
    ASSERT_TRUE(loan);
    EXPECT_EQ(loan->repayment, 1.67);
    EXPECT_EQ(loan->run.paymentCount, 599);
    EXPECT_EQ(FormatMoney(test::EnUs(), loan->run.lastPayment), "$1.34");
    EXPECT_EQ(loan->totalInterest, 0);
    ASSERT_TRUE(loan->notice);
    EXPECT_EQ(loan->notice->cause, MessageCause::EarlyClearance);
    EXPECT_EQ(loan->notice->text,
              "It is impossible to pay off this Loan in the specified time if the Loan payment is "
              "rounded to 2 decimal places. If it is rounded it will be paid off in 599 payments.");
}

TEST(CalculateLoanTest, OnePayment) {
    // Arrears: the amount with one month's interest; the total is that interest.
    auto loan = CalculateLoan(Loan("1000", "12", "0", "1"), test::EnUs());
    ASSERT_TRUE(loan);
    EXPECT_EQ(loan->repayment, 1010);
    EXPECT_NEAR(loan->totalInterest, 10, 1e-9);
    EXPECT_EQ(loan->run.paymentCount, 1);
    // Advance: the amount itself and no interest.
    loan = CalculateLoan(Loan("1000", "12", "", "1", PaymentTiming::InAdvance), test::EnUs());
    ASSERT_TRUE(loan);
    EXPECT_EQ(loan->repayment, 1000);
    EXPECT_EQ(loan->totalInterest, 0);
}

struct FailureCase {
    const char* amount;
    const char* rate;
    const char* years;
    const char* parts;
    const char* message;
    MessageCause cause;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << "'" << c.amount << "' '" << c.rate << "' '" << c.years << "' '" << c.parts << "'";
}

class CalculateChecksTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CalculateChecksTest, FirstFailingCheckInOrder) {
    const auto& c = GetParam();
    const auto loan = CalculateLoan(Loan(c.amount, c.rate, c.years, c.parts), test::EnUs());
    ASSERT_FALSE(loan);
    EXPECT_EQ(loan.failure().text, c.message);
    EXPECT_EQ(loan.failure().cause, c.cause);
}

constexpr auto AmountCause = MessageCause::AmountOutOfRange;
constexpr auto RateCause = MessageCause::RateOutOfRange;
constexpr auto TermCause = MessageCause::TermInvalid;
const char* const AmountMsg = "You must enter a valid Loan amount between 0 and 999999999";
const char* const RateMsg = "You must enter a valid interest rate between 0 and 100";

INSTANTIATE_TEST_SUITE_P(
    Checks, CalculateChecksTest,
    ::testing::Values(
        FailureCase{"abc", "x", "99", "", AmountMsg, AmountCause},  // amount before term and rate
        FailureCase{"0", "6", "30", "", AmountMsg, AmountCause},    // Calculate needs 0.001 or more
        FailureCase{"1,000", "6", "30", "", AmountMsg, AmountCause},
        FailureCase{"1000000000", "6", "30", "", AmountMsg, AmountCause},
        FailureCase{"1000", "x", "51", "", "You must enter a period  between 0 and 50", TermCause},
        FailureCase{"1000", "6", "", "", "You must enter a period ", TermCause},
        FailureCase{"1000", "0", "30", "", RateMsg, RateCause},
        FailureCase{"1000", "100.01", "30", "", RateMsg, RateCause},
        FailureCase{"1000", "", "30", "", RateMsg, RateCause}));

TEST(CalculateLoanTest, BoundsAccepted) {
    EXPECT_TRUE(CalculateLoan(Loan("999999999", "6", "30"), test::EnUs()));
    EXPECT_TRUE(CalculateLoan(Loan("0.001", "0.000001", "1"), test::EnUs()));
    EXPECT_TRUE(CalculateLoan(Loan("1000", "100", "50", "12"), test::EnUs()));
}

TEST(ReadLoanTest, ReportsHowFarTheChecksGot) {
    using enum LoanCheckStage;
    const std::pair<LoanTexts, LoanCheckStage> cases[] = {
        {Loan("x", "x", "x"), None},
        {Loan("1000", "x", "51"), Amount},
        {Loan("1000", "x", "30"), Term},
        {Loan("1000", "6", "30", "6"), All},
    };
    for (const auto& [texts, stage] : cases) {
        const LoanReading reading = ReadLoanInOrder(texts, GridChecks, ".");
        EXPECT_EQ(reading.passed, stage) << texts.amount << " " << texts.years;
        EXPECT_EQ(reading.loan.ok(), stage == All);
    }
    const auto loan = ReadLoanInOrder(Loan("1000", "6", "30", "6"), GridChecks, ".").loan;
    EXPECT_EQ(loan->amount, 1000);
    EXPECT_EQ(loan->paymentCount(), 366);
}

TEST(CalculateLoanTest, RegionalDecimalSeparator) {
    EXPECT_TRUE(CalculateLoan(Loan("1000,5", "6,5", "30"), test::DeDe()));
    const auto refused = CalculateLoan(Loan("1000.5", "6", "30"), test::DeDe());
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.failure().text, AmountMsg);
}

TEST(LastPaymentTest, CountAndFinalRepayment) {
    const auto result = LastPayment(Loan("100000", "6", "30"), test::EnUs());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->message.cause, MessageCause::PaymentsToMake);
    EXPECT_EQ(result->message.text,
              "You will make 360 payments of $599.56 and your last payment will be $590.13");
}

TEST(LastPaymentTest, ZeroRateIsAccepted) {
    const auto result = LastPayment(Loan("1000", "0", "0", "3"), test::EnUs());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->message.text,
              "You will make 3 payments of $333.33 and your last payment will be $333.34");
}

TEST(LastPaymentTest, AmountZeroIsOnePaymentOfNothing) {
    const auto result = LastPayment(Loan("0", "6", "30"), test::EnUs());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->message.text,
              "You will make 1 payments of $0.00 and your last payment will be $0.00");
}

TEST(LastPaymentTest, OneRepayment) {
    auto result = LastPayment(Loan("1000", "12", "", "1"), test::EnUs());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->message.text,
              "You will make 1 payments of $1,010.00 and your last payment will be $1,010.00");
    result = LastPayment(Loan("1000", "12", "", "1", PaymentTiming::InAdvance), test::EnUs());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->run.lastPayment, 1000);
}

TEST(LastPaymentTest, ChecksInOrder) {
    auto result = LastPayment(Loan("-1", "x", "", ""), test::EnUs());
    ASSERT_FALSE(result);
    EXPECT_EQ(result.failure().text, AmountMsg);
    result = LastPayment(Loan("1000", "x", "", ""), test::EnUs());
    ASSERT_FALSE(result);
    EXPECT_EQ(result.failure().text, "You must enter a period ");
    result = LastPayment(Loan("1000", "100.01", "30", ""), test::EnUs());
    ASSERT_FALSE(result);
    EXPECT_EQ(result.failure().text, RateMsg);
    EXPECT_TRUE(LastPayment(Loan("1000", "100", "30", ""), test::EnUs()));
}

TEST(CostBreakdownTest, SlicesFollowTheTotalInterestRule) {
    auto slices = CostBreakdown(Loan("100000", "6", "30"), test::EnUs());
    ASSERT_TRUE(slices);
    EXPECT_EQ(slices->principal, 100000);
    EXPECT_NEAR(slices->interest, 115832.082373, 1e-6);
    slices = CostBreakdown(Loan("100000", "6", "30", "", PaymentTiming::InAdvance), test::EnUs());
    ASSERT_TRUE(slices);
    EXPECT_NEAR(slices->interest, 114762.88, 5e-7);
    slices = CostBreakdown(Loan("1000", "12", "0", "1", PaymentTiming::InAdvance), test::EnUs());
    ASSERT_TRUE(slices);
    EXPECT_EQ(slices->interest, 0);
    slices = CostBreakdown(Loan("0", "6", "30"), test::EnUs());
    ASSERT_TRUE(slices);
    EXPECT_EQ(slices->principal, 0);
    EXPECT_EQ(slices->interest, 0);
    const auto refused = CostBreakdown(Loan("1000", "0", "30"), test::EnUs());
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.failure().text, RateMsg);
}

}  // namespace
}  // namespace corbel
