// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ResidualValue.h"

#include "calc/Limits.h"
#include "calc/LoanCalculation.h"
#include "calc/MortgageFunctions.h"
#include "calc/NumberReading.h"
#include "calc/NumberTexts.h"
#include "calc/Rounding.h"
#include "calc/TermCheck.h"

namespace corbel {

namespace {

constexpr double MaxPercent = 100;

}  // namespace

double ResidualValue(double amount, double annualPercent, double count, double repayment,
                     double paymentsPerYear) {
    const long double i = RatePerPeriod(annualPercent, paymentsPerYear);
    const long double v = 1 + i;
    // A zero rate would divide by zero: take the limit instead.
    if (IsZeroRate(i)) {
        return RoundMoney(static_cast<double>(amount - repayment * static_cast<long double>(count)),
                          2);
    }
    const long double growth = Power(v, count);
    return RoundMoney(static_cast<double>(amount * growth - repayment * (growth - 1) / i), 2);
}

double PaymentForResidual(double amount, double annualPercent, double count, double residualPercent,
                          double paymentsPerYear) {
    const long double i = RatePerPeriod(annualPercent, paymentsPerYear);
    const long double v = 1 + i;
    const long double a = amount;
    if (IsZeroRate(i)) {
        return static_cast<double>((a - a * residualPercent / 100) / count);
    }
    const long double growth = Power(v, count);
    return static_cast<double>((a * growth - a * residualPercent / 100) * i / (growth - 1));
}

ResidualCaptions ResidualCaptionsFor(PaymentFrequency repayment) {
    const std::string_view word = Info(repayment).word;
    return {Fill("   %1 Repayment with no Residual Value", {word}),
            Fill("Proposed %1 Repayment of", {word}),
            Fill("and requires a %1 Repayment of", {word})};
}

Checked<ResidualCalculation> CalculateResidualValue(const ResidualTexts& texts,
                                                    const Regional& regional) {
    const double m = PeriodsPerYear(texts.compounding);
    const double n = PeriodsPerYear(texts.repaymentFrequency);
    const std::string sep = regional.decimalSeparator();

    const auto a = NumberInRange(texts.amount, MinResidualAmount, MaxAmount, sep);
    if (!a) {
        return Message{MessageCause::AmountOutOfRange, msg::ResidualAmount};
    }
    if (auto failure = CheckTerm(texts.years, msg::PeriodLabel, texts.parts, MaxYears, n)) {
        return *failure;
    }
    // The page admits 0 although its message names 1.
    const auto rate = NumberInRange(texts.rate, 0, MaxRate, sep);
    if (!rate) {
        return Message{MessageCause::RateOutOfRange, msg::ResidualInterest};
    }

    ResidualCalculation result;
    result.captions = ResidualCaptionsFor(texts.repaymentFrequency);
    const double count = n * WholeOrZero(texts.years) + WholeOrZero(texts.parts);
    const double i = PeriodicRate(*rate, m, n);
    const double annualPercent = static_cast<double>(static_cast<long double>(i) * n * 100);

    // Rounded to the nearest cent, not up: this page shows the exact repayment.
    result.noResidualRepayment = RoundMoney(LevelPaymentArrears(*a, annualPercent, count, n), 2);

    if (const auto proposed = NumberInRange(texts.proposed, 0, MaxAmount, sep)) {
        if (*proposed > result.noResidualRepayment) {
            result.refusal = Message{MessageCause::ProposedAboveNeeded, msg::ProposedTooHigh};
            return result;
        }
        const double residual = ResidualValue(*a, annualPercent, count, *proposed, n);
        result.residual = residual;
        result.residualPercent =
            RoundMoney(static_cast<double>(residual / static_cast<long double>(*a) * 100), 2);
        result.residualPercentText = GeneralNumberText(*result.residualPercent, sep);
    }

    if (const auto q = NumberInRange(texts.residualPercent, 0, MaxPercent, sep)) {
        result.repaymentForResidual =
            RoundMoney(PaymentForResidual(*a, annualPercent, count, *q, n), 2);
        result.residualMoney = RoundMoney(static_cast<double>(*q / 100.0L * *a), 2);
    }
    return result;
}

}  // namespace corbel
