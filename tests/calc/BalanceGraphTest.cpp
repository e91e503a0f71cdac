// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/BalanceGraph.h"

#include <gtest/gtest.h>

#include "calc/Rounding.h"

namespace corbel {
namespace {

constexpr auto Monthly = PaymentFrequency::Monthly;
constexpr auto Arrears = PaymentTiming::InArrears;

// The amount at time 0, then each row's balance and interest so far, ending
// where the schedule ends: a last part year ends in the year it falls in.
TEST(BalanceGraphTest, StartsAtTheAmountAndEndsWhereTheScheduleEnds) {
    const LoanSchedule schedule =
        ComputeSchedule({1000, 12, 0, 3, Monthly, Monthly, Arrears}, ScheduleDisplay::ByPeriod);
    std::vector<BalancePoint> shown;
    for (const BalancePoint& p : BalancePoints(schedule.rows)) {
        shown.push_back({p.time, RoundMoney(p.balance, 2), RoundMoney(p.interestSoFar, 2)});
    }
    EXPECT_EQ(shown, (std::vector<BalancePoint>{
                         {0, 1000, 0}, {1, 669.97, 10}, {2, 336.64, 16.70}, {3, 0, 20.07}}));
    const std::vector<BalancePoint> partYear = BalancePoints(
        ComputeSchedule({1000, 12, 1, 3, Monthly, Monthly, Arrears}, ScheduleDisplay::ByYear).rows);
    EXPECT_EQ(partYear.back().time, 2);
    EXPECT_EQ(RoundMoney(partYear.back().balance, 2), 0);
    EXPECT_TRUE(BalancePoints({}).empty());
}

}  // namespace
}  // namespace corbel
