// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/BalanceGraph.h"

namespace corbel {

std::vector<BalancePoint> BalancePoints(const std::vector<ScheduleRow>& rows) {
    std::vector<BalancePoint> points;
    if (rows.empty()) {
        return points;
    }
    points.reserve(rows.size() + 1);
    // What the first row repaid and what it left make the amount borrowed.
    points.push_back({0, rows.front().balance + rows.front().capital, 0});
    for (const ScheduleRow& row : rows) {
        points.push_back({static_cast<double>(row.number), row.balance, row.accumulatedInterest});
    }
    return points;
}

}  // namespace corbel
