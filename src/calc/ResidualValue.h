// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/Checked.h"
#include "calc/Frequency.h"
#include "calc/Regional.h"

namespace corbel {

// The balance left after `count` repayments of `repayment` in arrears, to the
// cent; the rate travels as R' = i x n x 100. A zero rate leaves A - PR x N.
double ResidualValue(double amount, double annualPercent, double count, double repayment,
                     double paymentsPerYear);

// The level repayment in arrears, unrounded, that leaves `residualPercent` of
// the amount owing after `count` repayments; at a zero rate (A - A x q / 100) / N.
double PaymentForResidual(double amount, double annualPercent, double count, double residualPercent,
                          double paymentsPerYear);

// The three captions that carry the frequency word.
struct ResidualCaptions {
    std::string noResidual;         // Panel9
    std::string proposed;           // Label23
    std::string requiresRepayment;  // Label29
    bool operator==(const ResidualCaptions&) const = default;
};
ResidualCaptions ResidualCaptionsFor(PaymentFrequency repayment);
// Label29 reads differently until the first change or calculation.
inline constexpr std::string_view InitialRequiresCaption = "and Requires a Monthly Repayment of";

// The Residual Value page's inputs as typed.
struct ResidualTexts {
    std::string amount;           // RVAmount
    std::string rate;             // RVInterest
    std::string years;            // RVPeriod
    std::string parts;            // RVPartYear
    std::string proposed;         // RVResValue
    std::string residualPercent;  // RV2Percent
    PaymentFrequency repaymentFrequency = DefaultFrequency;
    PaymentFrequency compounding = DefaultFrequency;
};

// The page's results; a result the page leaves empty is nullopt. Money values
// are rounded to the cent and formatted by the caller.
struct ResidualCalculation {
    ResidualCaptions captions;
    double noResidualRepayment = 0;                  // RVMRepayment
    std::optional<double> residual;                  // RV1
    std::optional<double> residualPercent;           // RV1Percent
    std::optional<std::string> residualPercentText;  // RV1Percent as shown
    std::optional<double> residualMoney;             // RV2
    std::optional<double> repaymentForResidual;      // RVMR
    // A proposed repayment above the no-residual one: the first result stands,
    // the later ones stay empty and nothing is printed.
    std::optional<Message> refusal;
};

// The page's Calculate (and the calculation before Print).
Checked<ResidualCalculation> CalculateResidualValue(const ResidualTexts& texts,
                                                    const Regional& regional);

}  // namespace corbel
