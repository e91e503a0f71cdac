// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "calc/LoanSchedule.h"
#include "cli/Cli.h"
#include "cli/Json.h"

namespace corbel::cli {

inline constexpr std::array<std::string_view, 2> ScheduleLayouts{"year", "period"};
inline constexpr OptionSpec ByOption{"--by", "ROWS", "One row a year or one row a repayment.",
                                     ScheduleLayouts, ScheduleLayouts[0]};

// The rows `--by` asks for.
ScheduleDisplay DisplayChosen(const Invocation& call);

// What a schedule with an extra repayment adds to the loan schedule's output:
// its heading (the text form's first line and a line of the report), JSON
// members after the repayment's, and lines after the text form's table.
struct ScheduleAddition {
    std::string heading;
    Json members = Json::object();
    std::function<void(std::ostream&)> textLines;
};

// Writes a schedule as `schedule` does: its report into --pdf's file, then the
// JSON object, the CSV or the text form.
int WriteSchedule(const Invocation& call, const Output& output, const LoanTexts& texts,
                  ScheduleDisplay display, const LoanSchedule& schedule,
                  const ScheduleAddition& addition = {});

}  // namespace corbel::cli
