// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/LoanGrid.h"

#include <gtest/gtest.h>

#include <cmath>

#include "TestRegional.h"
#include "calc/NumberTexts.h"
#include "calc/Rounding.h"

namespace corbel {
namespace {

LoanTerms Terms(double amount, double rate, int years, int parts = 0,
                PaymentTiming timing = PaymentTiming::InArrears) {
    return {amount, rate, years, parts, PaymentFrequency::Monthly, PaymentFrequency::Monthly,
            timing};
}

TEST(LoanGridTest, HundredThousandAtSixPercent) {
    const LoanGrid grid = ComputeLoanGrid(Terms(100000, 6, 25), 2000, 0.25);
    EXPECT_EQ(grid.halfCount, 25);
    EXPECT_EQ(grid.rowCount(), 52);
    ASSERT_EQ(grid.amounts.size(), 51u);
    ASSERT_EQ(grid.payments.size(), 51u);
    EXPECT_EQ(grid.amounts.front(), 50000);
    EXPECT_EQ(grid.amounts.back(), 150000);
    for (std::size_t m = 1; m < grid.amounts.size(); ++m) {
        EXPECT_EQ(grid.amounts[m] - grid.amounts[m - 1], 2000);
    }
    const std::array<double, 7> rates{5.25, 5.5, 5.75, 6, 6.25, 6.5, 6.75};
    EXPECT_EQ(grid.rates, rates);
    EXPECT_EQ(grid.markedRow, 26);
    EXPECT_EQ(grid.amounts[grid.markedRow - 1], 100000);
    EXPECT_EQ(grid.firstVisibleRow, 23);
    EXPECT_NEAR(LevelPaymentArrears(100000, 6, 300, 12), 644.3014, 1e-4);
    EXPECT_EQ(grid.payments[25][3], 644.31);
    EXPECT_EQ(grid.payments[0][0], 299.63);
    const std::pair<std::pair<int, int>, const char*> cells[] = {
        {{0, 0}, "Amt/Int"}, {{0, 4}, "6%"}, {{1, 0}, "$50,000"}, {{1, 1}, "$299.63"}};
    for (const auto& [at, text] : cells) {
        EXPECT_EQ(GridCellText(grid, at.first, at.second, test::EnUs()), text);
    }
    // The typed cell is the Loan page's instalment for the same loan.
    EXPECT_EQ(grid.payments[25][3], Instalment(Terms(100000, 6, 25)));
    // Repayments rise to the right and downwards.
    for (std::size_t m = 0; m < grid.payments.size(); ++m) {
        for (int j = 1; j < GridColumns; ++j) {
            EXPECT_GT(grid.payments[m][j], grid.payments[m][j - 1]);
        }
        if (m > 0) {
            EXPECT_GT(grid.payments[m][0], grid.payments[m - 1][0]);
        }
    }
}

struct AxisCase {
    double amount;
    int step;
    long long halfCount;
    double firstAmount;
    int markedRow;
    std::optional<int> firstVisibleRow;
};

void PrintTo(const AxisCase& c, std::ostream* os) {
    *os << c.amount << " step " << c.step;
}

class GridAxisTest : public testing::TestWithParam<AxisCase> {};

TEST_P(GridAxisTest, RowsAroundTheTypedAmount) {
    const AxisCase c = GetParam();
    const LoanGrid grid = ComputeLoanGrid(Terms(c.amount, 6, 25), c.step, 0.25);
    EXPECT_EQ(grid.halfCount, c.halfCount);
    EXPECT_EQ(grid.rowCount(), 2 * c.halfCount + 2);
    ASSERT_EQ(grid.amounts.size(), static_cast<std::size_t>(2 * c.halfCount + 1));
    EXPECT_EQ(grid.payments.size(), grid.amounts.size());
    EXPECT_EQ(grid.amounts.front(), c.firstAmount);
    EXPECT_EQ(grid.markedRow, c.markedRow);
    EXPECT_EQ(grid.amounts[grid.markedRow - 1], c.amount);
    EXPECT_EQ(grid.firstVisibleRow, c.firstVisibleRow);
}

INSTANTIATE_TEST_SUITE_P(
    HalfCounts, GridAxisTest,
    testing::Values(AxisCase{3999.99, 2000, 0, 3999.99, 1, std::nullopt},  // below two steps
                    AxisCase{4000, 2000, 1, 4000, 1, std::nullopt},        // two steps
                    AxisCase{7999, 2000, 1, 7999, 1, std::nullopt},
                    AxisCase{8000, 2000, 2, 4000, 3, std::nullopt},  // four steps: centred
                    AxisCase{15999, 2000, 3, 9999, 4, std::nullopt},
                    AxisCase{16000, 2000, 4, 8000, 5, 2},  // ten rows: scrolled
                    AxisCase{250000, 10000, 12, 130000, 13, 10},
                    AxisCase{1997999, 1000, 998, 999999, 999, 996},
                    AxisCase{1998000, 1000, 999, 999000, 1000, 997},
                    AxisCase{999999999, 1000, 999, 999000999, 1000, 997}));

TEST(LoanGridTest, OneAmountRowAndThreeAmountRows) {
    LoanGrid grid = ComputeLoanGrid(Terms(1000, 6, 25), 1000, 0.25);
    ASSERT_EQ(grid.amounts.size(), 1u);
    EXPECT_EQ(grid.payments[0][3], Instalment(Terms(1000, 6, 25)));
    grid = ComputeLoanGrid(Terms(25000, 6, 25), 10000, 0.25);
    EXPECT_EQ(grid.amounts, (std::vector<double>{25000, 35000, 45000}));
    EXPECT_EQ(grid.markedRow, 1);
}

TEST(LoanGridTest, AmountZeroIsOneRowOfZeros) {
    const LoanGrid grid = ComputeLoanGrid(Terms(0, 6, 25), 2000, 0.25);
    EXPECT_EQ(grid.rowCount(), 2);
    ASSERT_EQ(grid.amounts, std::vector<double>{0});
    for (const double payment : grid.payments[0]) {
        EXPECT_EQ(FormatMoney(test::EnUs(), payment, MoneyForm::TwoDecimals), "$0.00");
    }
}

TEST(LoanGridTest, AmountsAreHeldToTenThousandths) {
    EXPECT_EQ(TenThousandths(1234.56789), 12345679);
    EXPECT_EQ(TenThousandths(999999999), 9999999990000);
    const LoanGrid grid = ComputeLoanGrid(Terms(100000.555, 6, 25), 2000, 0.25);
    EXPECT_EQ(grid.amounts.front(), 50000.555);
    EXPECT_EQ(grid.amounts[grid.markedRow - 1], 100000.555);
    EXPECT_EQ(FormatMoney(test::EnUs(), grid.amounts.front(), MoneyForm::NoDecimals), "$50,001");
    // The cell uses the exact amount, not the whole units shown beside it.
    EXPECT_EQ(grid.payments[0][3],
              PaymentRule(LevelPaymentArrears(50000.555, AnnualPercent(Terms(0, 6, 25)), 300, 12)));
}

// Rates below three steps put zero and negative rates on the left; every
// repayment stays a finite amount.
TEST(LoanGridTest, RatesBelowThreeSteps) {
    for (const PaymentTiming timing : {PaymentTiming::InArrears, PaymentTiming::InAdvance}) {
        const LoanGrid grid = ComputeLoanGrid(Terms(100000, 0.5, 25, 0, timing), 2000, 0.25);
        EXPECT_EQ(grid.rates[0], -0.25);
        EXPECT_EQ(grid.rates[1], 0);
        // At exactly zero the level repayment is the amount over the repayments.
        EXPECT_EQ(grid.payments[25][1], PaymentRule(RoundMoney(100000.0 / 300, 2)));
        for (const auto& row : grid.payments) {
            for (int j = 0; j < GridColumns; ++j) {
                EXPECT_TRUE(std::isfinite(row[j]));
                EXPECT_GE(row[j], 0);
                if (j > 0) {
                    EXPECT_GE(row[j], row[j - 1]);
                }
            }
        }
    }
    const LoanGrid steep = ComputeLoanGrid(Terms(50000, 0.000001, 50, 12), 5000, 2);
    EXPECT_NEAR(steep.rates[0], -5.999999, 1e-12);
    for (const auto& row : steep.payments) {
        for (const double payment : row) {
            EXPECT_TRUE(std::isfinite(payment));
        }
    }
}

TEST(LoanGridTest, HeadingTexts) {
    EXPECT_EQ(RateHeadingText(5.25, "."), "5.25%");
    EXPECT_EQ(RateHeadingText(5.25, ","), "5,25%");
    EXPECT_EQ(RateHeadingText(6, ","), "6%");
    EXPECT_EQ(RateHeadingText(-0.25, ","), "-0,25%");
    const LoanGrid grid = ComputeLoanGrid(Terms(100000, 6.1, 25), 2000, 0.1);
    // Repeated addition of 0.1 leaves binary residue that the 15 digits hide.
    const char* const headings[] = {"5,8%", "5,9%", "6%", "6,1%", "6,2%", "6,3%", "6,4%"};
    for (int j = 0; j < GridColumns; ++j) {
        EXPECT_EQ(RateHeadingText(grid.rates[j], ","), headings[j]);
    }
}

TEST(LoanGridTest, HeadingsShowTenDecimalsAndNoExponent) {
    struct Case {
        double rate;
        double step;
        int column;
        const char* heading;
    };
    // The additions leave -2.77555756156289E-17 and 1.00000000002876E-6.
    const Case cases[] = {{0.3, 0.1, 0, "0%"}, {0.000001, 0.25, 3, "0.000001%"}};
    for (const Case& c : cases) {
        const LoanGrid grid = ComputeLoanGrid(Terms(100000, c.rate, 25), 2000, c.step);
        EXPECT_EQ(RateHeadingText(grid.rates[c.column], "."), c.heading);
        // The repayments keep the rate as added up.
        EXPECT_NE(grid.rates[c.column], std::stod(c.heading));
    }
    EXPECT_EQ(RateHeadingText(0.000001, ","), "0,000001%");
    EXPECT_EQ(RateHeadingText(106.999999, "."), "106.999999%");
}

TEST(LoanGridTest, StepLists) {
    ASSERT_EQ(AmountStepTexts.size(), AmountSteps.size());
    for (std::size_t k = 0; k < AmountSteps.size(); ++k) {
        EXPECT_EQ(AmountStepTexts[k], std::to_string(AmountSteps[k]));
    }
    ASSERT_EQ(InterestStepTexts.size(), InterestSteps.size());
    for (std::size_t k = 0; k < InterestSteps.size(); ++k) {
        EXPECT_EQ(InterestStepTexts[k], InterestStepText(InterestSteps[k], "."));
    }
    EXPECT_EQ(InterestStepText(0.125, ","), "0,125");
    EXPECT_EQ(AmountSteps[DefaultAmountStepIndex], 2000);
    EXPECT_EQ(InterestSteps[DefaultInterestStepIndex], 0.25);
}

TEST(LoanGridTest, ChecksOfTheGridWindow) {
    ASSERT_TRUE(LoanGridFromTexts({"100000", "6", "25", ""}, 2000, 0.25, "."));
    struct Case {
        LoanTexts texts;
        Message failure;
    };
    const Case cases[] = {
        {{"1000000000", "6", "25", ""},
         Message{MessageCause::AmountOutOfRange, msg::GridLoanAmount}},
        {{"", "6", "25", ""}, Message{MessageCause::AmountOutOfRange, msg::GridLoanAmount}},
        {{"1000", "", "25", ""}, Message{MessageCause::RateOutOfRange, msg::GridInterestRate}},
        {{"1000", "100.5", "25", ""}, Message{MessageCause::RateOutOfRange, msg::GridInterestRate}},
        {{"1000", "", "51", ""},
         Message{MessageCause::TermInvalid, "You must enter a period  between 0 and 50"}},
    };
    for (const Case& c : cases) {
        const auto result = LoanGridFromTexts(c.texts, 2000, 0.25, ".");
        ASSERT_FALSE(result) << c.texts.amount;
        EXPECT_EQ(result.failure(), c.failure);
    }
    // The years field is read by the whole-number reader that checked it.
    const auto hex = LoanGridFromTexts({"100000", "6", "$19", ""}, 2000, 0.25, ".");
    ASSERT_TRUE(hex);
    EXPECT_EQ(hex->payments[25][3], 644.31);
}

}  // namespace
}  // namespace corbel
