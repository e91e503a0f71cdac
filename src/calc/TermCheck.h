// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "calc/Checked.h"

namespace corbel {

// The term check shared by every window: years 0 to maxYears, part-year periods
// 0 to periodsPerYear, and not both zero. Failures are Confirm messages.
Outcome CheckTerm(std::string_view yearsText, std::string_view label, std::string_view partText,
                  int maxYears, double periodsPerYear);

}  // namespace corbel
