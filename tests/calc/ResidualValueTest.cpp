// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ResidualValue.h"

#include <gtest/gtest.h>

#include "TestRegional.h"
#include "calc/NumberTexts.h"

namespace corbel {
namespace {

ResidualTexts Texts(std::string amount, std::string rate, std::string years, std::string parts,
                    std::string proposed = "", std::string residualPercent = "") {
    ResidualTexts texts;
    texts.amount = std::move(amount);
    texts.rate = std::move(rate);
    texts.years = std::move(years);
    texts.parts = std::move(parts);
    texts.proposed = std::move(proposed);
    texts.residualPercent = std::move(residualPercent);
    return texts;
}

Checked<ResidualCalculation> Calculate(const ResidualTexts& texts) {
    return CalculateResidualValue(texts, test::EnUs());
}

TEST(ResidualValuePageTest, TenThousandOverFiveYears) {
    const auto r = Calculate(Texts("10000", "10", "5", "", "150", "20"));
    ASSERT_TRUE(r) << r.failure().text;
    const auto& us = test::EnUs();
    EXPECT_EQ(r->noResidualRepayment, 212.47);
    EXPECT_EQ(FormatMoney(us, r->noResidualRepayment), "$212.47");
    ASSERT_TRUE(r->residual);
    EXPECT_EQ(*r->residual, 4837.53);
    EXPECT_EQ(FormatMoney(us, *r->residual), "$4,837.53");
    EXPECT_EQ(r->residualPercent, 48.38);
    EXPECT_EQ(r->residualPercentText, "48.38");
    EXPECT_EQ(r->residualMoney, 2000);
    EXPECT_EQ(FormatMoney(us, *r->residualMoney), "$2,000.00");
    EXPECT_EQ(r->repaymentForResidual, 186.64);
    EXPECT_FALSE(r->refusal);
}

TEST(ResidualValuePageTest, ResidualPercentBounds) {
    // 0% is the no-residual repayment, 100% the interest-only one.
    auto r = Calculate(Texts("10000", "10", "5", "", "", "100"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->repaymentForResidual, 83.33);
    EXPECT_EQ(r->residualMoney, 10000);
    EXPECT_FALSE(r->residual);
    EXPECT_FALSE(r->residualPercent);
    r = Calculate(Texts("10000", "10", "5", "", "", "0"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->repaymentForResidual, r->noResidualRepayment);
    EXPECT_EQ(r->residualMoney, 0);
}

TEST(ResidualValuePageTest, ProposedEqualToTheRoundedRepaymentLeavesCents) {
    const auto r = Calculate(Texts("10000", "10", "5", "", "212.47", "20"));
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->refusal);
    EXPECT_EQ(r->residual, 0.03);
    EXPECT_EQ(r->residualPercentText, "0");
    EXPECT_TRUE(r->repaymentForResidual);
}

TEST(ResidualValuePageTest, ProposedAboveTheRepaymentIsRefusedAfterTheFirstResult) {
    const auto r = Calculate(Texts("10000", "10", "5", "", "212.48", "20"));
    ASSERT_TRUE(r);
    ASSERT_TRUE(r->refusal);
    EXPECT_EQ(r->refusal->text,
              "The proposed monthly repayment cannot be higher than the actual payment needed to "
              "leave no residual value.");
    EXPECT_EQ(r->refusal->cause, MessageCause::ProposedAboveNeeded);
    EXPECT_EQ(r->noResidualRepayment, 212.47);
    EXPECT_FALSE(r->residual);
    EXPECT_FALSE(r->residualPercent);
    EXPECT_FALSE(r->residualPercentText);
    EXPECT_FALSE(r->residualMoney);
    EXPECT_FALSE(r->repaymentForResidual);
}

TEST(ResidualValuePageTest, ProposedZeroLeavesTheAmountWithItsInterest) {
    const auto r = Calculate(Texts("10000", "10", "5", "", "0", ""));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->residual, 16453.09);
    EXPECT_EQ(r->residualPercentText, "164.53");
}

TEST(ResidualValuePageTest, BlankOrInvalidOptionalFieldsLeaveResultsEmpty) {
    for (const auto& [proposed, percent] : std::vector<std::pair<std::string, std::string>>{
             {"", ""}, {"abc", "x"}, {"-1", "100.5"}, {"1000000000", "-0.1"}}) {
        const auto r = Calculate(Texts("10000", "10", "5", "", proposed, percent));
        ASSERT_TRUE(r) << proposed;
        EXPECT_EQ(r->noResidualRepayment, 212.47);
        EXPECT_FALSE(r->refusal);
        EXPECT_FALSE(r->residual);
        EXPECT_FALSE(r->residualPercentText);
        EXPECT_FALSE(r->residualMoney);
        EXPECT_FALSE(r->repaymentForResidual);
    }
}

TEST(ResidualValuePageTest, ZeroRateUsesTheLimits) {
    const auto r = Calculate(Texts("10000", "0", "5", "", "100", "20"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->noResidualRepayment, 166.67);
    EXPECT_EQ(r->residual, 4000);
    EXPECT_EQ(r->residualPercentText, "40");
    EXPECT_EQ(r->repaymentForResidual, 133.33);
    EXPECT_EQ(r->residualMoney, 2000);
}

TEST(ResidualValuePageTest, HalfPercentIsCalculatedLikeAnyRate) {
    const auto r = Calculate(Texts("10000", "0.5", "5", "", "150", ""));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->noResidualRepayment, 168.79);
    ASSERT_TRUE(r->residual);
    EXPECT_GT(*r->residual, 0);
    EXPECT_LT(*r->residual, 10000);
}

TEST(ResidualValuePageTest, PartYearAndRegionalSeparator) {
    const auto r =
        CalculateResidualValue(Texts("10000", "10", "4", "12", "150,5", "20,5"), test::DeDe());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->noResidualRepayment, 212.47);  // 4 years and 12 months is 60 repayments
    EXPECT_TRUE(r->residual);
    EXPECT_EQ(r->residualMoney, 2050);
    EXPECT_NE(r->residualPercentText->find(','), std::string::npos);
}

TEST(ResidualFormulasTest, ZeroRateForms) {
    EXPECT_EQ(ResidualValue(10000, 0, 60, 100, 12), 4000);
    EXPECT_EQ(ResidualValue(10000, 0, 60, 0, 12), 10000);
    EXPECT_EQ(PaymentForResidual(12000, 0, 12, 50, 12), 500);
    EXPECT_EQ(PaymentForResidual(12000, 0, 12, 100, 12), 0);
}

TEST(ResidualFormulasTest, NoResidualRepaymentLeavesNothing) {
    const double exact = PaymentForResidual(10000, 10, 60, 0, 12);
    EXPECT_NEAR(exact, 212.470447, 1e-6);
    EXPECT_EQ(ResidualValue(10000, 10, 60, exact, 12), 0);
    EXPECT_NEAR(PaymentForResidual(10000, 10, 60, 100, 12), 10000 * 0.1 / 12, 1e-9);
}

struct CheckCase {
    ResidualTexts texts;
    const char* message;
    MessageCause cause;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << "'" << c.texts.amount << "' '" << c.texts.rate << "' '" << c.texts.years << "' '"
        << c.texts.parts << "'";
}

class ResidualChecksTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ResidualChecksTest, FirstFailingCheckInOrder) {
    const auto r = Calculate(GetParam().texts);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.failure().text, GetParam().message);
    EXPECT_EQ(r.failure().cause, GetParam().cause);
}

constexpr auto AmountCause = MessageCause::AmountOutOfRange;
constexpr auto RateCause = MessageCause::RateOutOfRange;
constexpr auto TermCause = MessageCause::TermInvalid;
const char* const AmountMsg = "You must enter a amount between 1 and 999999999";
const char* const RateMsg = "You must enter an interest rate between 1 and 100";

INSTANTIATE_TEST_SUITE_P(
    Checks, ResidualChecksTest,
    ::testing::Values(CheckCase{Texts("0.99", "x", "99", ""), AmountMsg, AmountCause},
                      CheckCase{Texts("", "10", "5", ""), AmountMsg, AmountCause},
                      CheckCase{Texts("1000000000", "10", "5", ""), AmountMsg, AmountCause},
                      CheckCase{Texts("10000", "x", "51", ""),
                                "You must enter a period  between 0 and 50", TermCause},
                      CheckCase{Texts("10000", "x", "", ""), "You must enter a period ", TermCause},
                      CheckCase{Texts("10000", "10", "1", "13"),
                                "You must enter a Month between 0 and 12", TermCause},
                      CheckCase{Texts("10000", "100.01", "5", ""), RateMsg, RateCause},
                      CheckCase{Texts("10000", "-1", "5", ""), RateMsg, RateCause},
                      CheckCase{Texts("10000", "", "5", ""), RateMsg, RateCause}));

TEST(ResidualBoundsTest, Accepted) {
    EXPECT_TRUE(Calculate(Texts("1", "100", "50", "12")));
    EXPECT_TRUE(Calculate(Texts("999999999", "0", "0", "1")));
}

TEST(ResidualCaptionsTest, FrequencyWordInEachCaption) {
    const std::pair<PaymentFrequency, const char*> words[] = {
        {PaymentFrequency::Annualy, "Annual"},       {PaymentFrequency::BiAnnualy, "Bi-Annual"},
        {PaymentFrequency::Quarterly, "Quarterly"},  {PaymentFrequency::Monthly, "Monthly"},
        {PaymentFrequency::BiMonthly, "Bi-Monthly"}, {PaymentFrequency::FortNightly, "Fortnightly"},
        {PaymentFrequency::Weekly, "Weekly"},        {PaymentFrequency::Daily, "Daily"},
    };
    for (const auto& [frequency, word] : words) {
        const std::string w = word;
        EXPECT_EQ(corbel::Info(frequency).word, w);
        const ResidualCaptions c = ResidualCaptionsFor(frequency);
        EXPECT_EQ(c.noResidual, "   " + w + " Repayment with no Residual Value");
        EXPECT_EQ(c.proposed, "Proposed " + w + " Repayment of");
        EXPECT_EQ(c.requiresRepayment, "and requires a " + w + " Repayment of");
    }
    auto texts = Texts("10000", "10", "5", "");
    texts.repaymentFrequency = PaymentFrequency::FortNightly;
    const auto r = Calculate(texts);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->captions, ResidualCaptionsFor(PaymentFrequency::FortNightly));
}

}  // namespace
}  // namespace corbel
