// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/MortgageFunctions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "TestRegional.h"
#include "calc/NumberTexts.h"

namespace corbel {
namespace {

TEST(FrequencyTest, EightLabelsInListOrder) {
    const char* labels[] = {"Annualy",    "Bi-Annualy",  "Quarterly", "Monthly",
                            "Bi-Monthly", "FortNightly", "Weekly",    "Daily"};
    const double periods[] = {1, 2, 4, 12, 24, 26, 52, 365};
    for (int k = 0; k < FrequencyCount; ++k) {
        EXPECT_EQ(Label(FrequencyAt(k)), labels[k]);
        EXPECT_EQ(PeriodsPerYear(FrequencyFromLabel(labels[k]).value()), periods[k]);
    }
    EXPECT_EQ(LabelList(),
              "Annualy, Bi-Annualy, Quarterly, Monthly, Bi-Monthly, FortNightly, Weekly, Daily");
    EXPECT_EQ(Label(DefaultFrequency), "Monthly");
    EXPECT_EQ(UnitLabel(PaymentFrequency::BiMonthly), "Half-Month(s)");
    EXPECT_EQ(UnitLabel(PaymentFrequency::Annualy), "");
    // Labels match exactly, case and all.
    EXPECT_FALSE(FrequencyFromLabel("monthly").has_value());
    EXPECT_FALSE(FrequencyFromLabel("Annually").has_value());
    EXPECT_FALSE(FrequencyFromLabel("Fortnightly").has_value());
}

TEST(FrequencyTest, LoanPaymentCaptions) {
    const char* captions[] = {"   Annual Loan Payment is",     "   Bi-Annual Loan Payment is",
                              "   Quarterly Loan Payment is",  "   Monthly Loan Payment is",
                              "   Bi-Monthly Loan Payment is", "   Fortnightly Loan Payment is",
                              "   Weekly Loan Payment is",     "   Daily Loan Payment is"};
    for (int k = 0; k < FrequencyCount; ++k) {
        EXPECT_EQ(LoanPaymentCaption(FrequencyAt(k)), captions[k]);
    }
}

TEST(PowerTest, RulesForZeroWholeAndFractionalExponents) {
    EXPECT_EQ(Power(0, 0), 1);
    EXPECT_EQ(Power(7, 0), 1);
    EXPECT_EQ(Power(0, 3), 0);
    EXPECT_EQ(Power(0, 0.5), 0);
    EXPECT_EQ(Power(2, 10), 1024);
    EXPECT_EQ(Power(2, -2), 0.25);
    EXPECT_NEAR(static_cast<double>(Power(4, 0.5)), 2, 1e-15);
}

TEST(PeriodicRateTest, NominalRateToRatePerRepaymentPeriod) {
    EXPECT_EQ(PeriodicRate(12, 12, 12), 0.01);
    EXPECT_NEAR(PeriodicRate(12, 1, 12), 0.0094887929, 1e-10);
    EXPECT_NEAR(PeriodicRate(6, 2, 12), 0.0049386220, 1e-10);
    EXPECT_EQ(PeriodicRate(0, 12, 365), 0);
    // Daily compounding with monthly repayments: a whole-number exponent the other way.
    EXPECT_NEAR(PeriodicRate(12, 365, 12), 0.010049, 1e-6);
}

TEST(LevelPaymentTest, ArrearsAndAdvance) {
    EXPECT_NEAR(LevelPaymentArrears(100000, 6, 360, 12), 599.5505, 1e-4);
    EXPECT_NEAR(LevelPaymentAdvance(100000, 6, 360, 12), 596.5676, 1e-4);
    // One payment: the amount with one period's interest in arrears, the amount in advance.
    EXPECT_NEAR(LevelPaymentArrears(1000, 12, 1, 12), 1010, 1e-9);
    EXPECT_NEAR(LevelPaymentAdvance(1000, 12, 1, 12), 1000, 1e-9);
}

TEST(LevelPaymentTest, ZeroRateIsTheAmountOverTheCountInCents) {
    EXPECT_EQ(LevelPaymentArrears(1200, 0, 12, 12), 100);
    EXPECT_EQ(LevelPaymentAdvance(1200, 0, 12, 12), 100);
    EXPECT_EQ(PaymentRule(LevelPaymentArrears(1200, 0, 12, 12)), 100.00);
    EXPECT_EQ(LevelPaymentArrears(1000, 0, 3, 12), 333.33);
}

TEST(StepPeriodTest, FinalPaymentClearsTheBalanceExactly) {
    // Arrears: interest on the whole balance.
    PeriodStep step = StepPeriod(1000, 340.03, 0.01, PaymentTiming::InArrears, false);
    EXPECT_EQ(step.interest, 10.00);
    EXPECT_EQ(step.payment, 340.03);
    EXPECT_NEAR(step.balance, 669.97, 1e-9);
    step = StepPeriod(336.64, 340.03, 0.01, PaymentTiming::InArrears, true);
    EXPECT_EQ(step.interest, 3.37);
    EXPECT_EQ(step.payment, 340.01);
    EXPECT_EQ(step.balance, 0);
    // Advance: the payment comes off before interest, and the final period carries none.
    step = StepPeriod(1000, 336.66, 0.01, PaymentTiming::InAdvance, false);
    EXPECT_EQ(step.interest, 6.63);
    step = StepPeriod(336.64, 336.66, 0.01, PaymentTiming::InAdvance, false);
    EXPECT_EQ(step.interest, 0);
    EXPECT_EQ(step.payment, 336.64);
    EXPECT_EQ(step.balance, 0);
}

LoanTerms Monthly(double amount, double rate, int years, int parts, PaymentTiming timing) {
    return {amount, rate, years, parts, PaymentFrequency::Monthly, PaymentFrequency::Monthly,
            timing};
}

TEST(RunAmortisationTest, WorkedLoans) {
    const auto& us = test::EnUs();
    auto run = RunAmortisation(Monthly(100000, 6, 30, 0, PaymentTiming::InArrears));
    ASSERT_TRUE(run);
    EXPECT_EQ(run->paymentCount, 360);
    EXPECT_EQ(FormatMoney(us, run->lastPayment), "$590.13");
    EXPECT_EQ(run->interestTotal, 115832.17);

    run = RunAmortisation(Monthly(100000, 6, 30, 0, PaymentTiming::InAdvance));
    ASSERT_TRUE(run);
    EXPECT_EQ(run->paymentCount, 360);
    EXPECT_EQ(FormatMoney(us, run->lastPayment), "$594.48");

    run = RunAmortisation(Monthly(1000, 0.0001, 50, 0, PaymentTiming::InArrears));
    ASSERT_TRUE(run);
    EXPECT_EQ(run->paymentCount, 599);
    EXPECT_EQ(FormatMoney(us, run->lastPayment), "$1.34");
    EXPECT_EQ(run->interestTotal, 0);
}

TEST(RunAmortisationTest, NoPaymentsLeavesNoSummary) {
    EXPECT_FALSE(RunAmortisation(Monthly(1000, 6, 0, 0, PaymentTiming::InArrears)));
}

TEST(RunAmortisationTest, LongestDailyLoanCompletes) {
    LoanTerms terms{250000,
                    7.5,
                    50,
                    365,
                    PaymentFrequency::Daily,
                    PaymentFrequency::Daily,
                    PaymentTiming::InArrears};
    const auto run = RunAmortisation(terms);
    ASSERT_TRUE(run);
    EXPECT_GT(run->paymentCount, 18000);
    EXPECT_LE(run->paymentCount, 18615);
    EXPECT_LE(run->lastPayment, Instalment(terms));
}

TEST(TotalInterestTest, ClosedFormUnlessItsLastPaymentIsNegative) {
    const LoanTerms arrears = Monthly(100000, 6, 30, 0, PaymentTiming::InArrears);
    const double p = Instalment(arrears);
    EXPECT_EQ(p, 599.56);
    EXPECT_NEAR(ClosedFormLastPayment(arrears, p), 590.042373, 1e-6);
    auto run = RunAmortisation(arrears);
    EXPECT_NEAR(TotalInterest(arrears, p, *run), 115832.082373, 1e-6);

    // The rounded-up interest eats the rounded-up repayment: the closed form's
    // last payment goes negative and the run's total stands.
    const LoanTerms fortnightly{100000,
                                30,
                                50,
                                0,
                                PaymentFrequency::FortNightly,
                                PaymentFrequency::FortNightly,
                                PaymentTiming::InArrears};
    const double q = Instalment(fortnightly);
    run = RunAmortisation(fortnightly);
    EXPECT_LT(ClosedFormLastPayment(fortnightly, q), 0);
    EXPECT_EQ(TotalInterest(fortnightly, q, *run), run->interestTotal);
    EXPECT_NEAR(run->interestTotal, 1500005.00, 0.005);
}

}  // namespace
}  // namespace corbel
