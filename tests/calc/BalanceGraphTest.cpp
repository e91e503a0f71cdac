// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/BalanceGraph.h"

#include <gtest/gtest.h>

#include "calc/Rounding.h"

namespace corbel {
namespace {

struct GraphCase {
    const char* name;
    LoanTerms terms;
    ScheduleDisplay display;
    double lastTime;  // where the schedule ends
};

class BalanceGraphTest : public testing::TestWithParam<GraphCase> {};

TEST_P(BalanceGraphTest, StartsAtTheAmountAndEndsWhereTheScheduleEnds) {
    const GraphCase& c = GetParam();
    const LoanSchedule schedule = ComputeSchedule(c.terms, c.display);
    const std::vector<BalancePoint> points = BalancePoints(schedule.rows);
    ASSERT_EQ(points.size(), schedule.rows.size() + 1);
    EXPECT_EQ(points.front().time, 0);
    EXPECT_NEAR(points.front().balance, c.terms.amount, 1e-6);
    EXPECT_EQ(points.front().interestSoFar, 0);
    for (std::size_t k = 0; k < schedule.rows.size(); ++k) {
        const ScheduleRow& row = schedule.rows[k];
        EXPECT_EQ(points[k + 1], (BalancePoint{static_cast<double>(row.number), row.balance,
                                               row.accumulatedInterest}));
    }
    EXPECT_EQ(points.back().time, c.lastTime);
    EXPECT_EQ(RoundMoney(points.back().balance, 2), 0);
}

constexpr auto Monthly = PaymentFrequency::Monthly;
constexpr auto Arrears = PaymentTiming::InArrears;

INSTANTIATE_TEST_SUITE_P(
    Schedules, BalanceGraphTest,
    testing::Values(GraphCase{"ByYear",
                              {100000, 6, 30, 0, Monthly, Monthly, Arrears},
                              ScheduleDisplay::ByYear,
                              30},
                    GraphCase{"ByPeriod",
                              {100000, 6, 30, 0, Monthly, Monthly, Arrears},
                              ScheduleDisplay::ByPeriod,
                              360},
                    // The last year is part of one: it ends in year 2.
                    GraphCase{"PartYearByYear",
                              {1000, 12, 1, 3, Monthly, Monthly, Arrears},
                              ScheduleDisplay::ByYear,
                              2},
                    GraphCase{"InAdvanceByPeriod",
                              {1000, 12, 0, 3, Monthly, Monthly, PaymentTiming::InAdvance},
                              ScheduleDisplay::ByPeriod,
                              3}),
    [](const testing::TestParamInfo<GraphCase>& info) { return info.param.name; });

TEST(BalanceGraphPointsTest, WorkedExampleByPeriod) {
    const LoanSchedule schedule =
        ComputeSchedule({1000, 12, 0, 3, Monthly, Monthly, Arrears}, ScheduleDisplay::ByPeriod);
    std::vector<BalancePoint> shown;
    for (const BalancePoint& p : BalancePoints(schedule.rows)) {
        shown.push_back({p.time, RoundMoney(p.balance, 2), RoundMoney(p.interestSoFar, 2)});
    }
    EXPECT_EQ(shown, (std::vector<BalancePoint>{
                         {0, 1000, 0}, {1, 669.97, 10}, {2, 336.64, 16.70}, {3, 0, 20.07}}));
    EXPECT_TRUE(BalancePoints({}).empty());
}

}  // namespace
}  // namespace corbel
