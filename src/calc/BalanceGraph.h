// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "calc/LoanSchedule.h"

namespace corbel {

// A point of the balance over time: at the end of year or repayment `time`,
// what is still owing and the interest charged so far.
struct BalancePoint {
    double time = 0;
    double balance = 0;
    double interestSoFar = 0;
    bool operator==(const BalancePoint&) const = default;
};

// The balance over time of a schedule: the amount borrowed at time 0, then one
// point for each row, at its year or repayment number, so that the last point
// is where the schedule ends. No rows, no points.
std::vector<BalancePoint> BalancePoints(const std::vector<ScheduleRow>& rows);

}  // namespace corbel
