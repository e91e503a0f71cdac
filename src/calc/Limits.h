// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace corbel {

// The bounds the checks hold typed values to. A message that states one takes
// it from here (calc/Messages.h).

// A loan amount, a repayment, an extra amount.
inline constexpr int MaxAmount = 999999999;
// The Residual Value page's smallest loan amount.
inline constexpr int MinResidualAmount = 1;
// An annual interest rate, in percent.
inline constexpr int MaxRate = 100;
// The whole years of a term.
inline constexpr int MaxYears = 50;
// How far the What If? page's search for a rate goes, in percent.
inline constexpr int MaxWhatIfRate = 1000;

}  // namespace corbel
