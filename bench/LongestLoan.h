// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/MortgageFunctions.h"

namespace corbel::bench {

// The longest loan the checks admit: 50 years and 365 daily part-year periods,
// 18,615 periods. At the largest amount no repayment comes early, so a schedule
// by period has all 18,615 rows.
inline LoanTerms LongestLoan(double amount = 999999999) {
    return {amount,
            7.5,
            50,
            365,
            PaymentFrequency::Daily,
            PaymentFrequency::Monthly,
            PaymentTiming::InArrears};
}

}  // namespace corbel::bench
