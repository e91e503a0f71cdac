// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/WhatIf.h"

#include <array>
#include <cmath>

#include "calc/Limits.h"
#include "calc/LoanCalculation.h"
#include "calc/MortgageFunctions.h"
#include "calc/NumberReading.h"
#include "calc/NumberTexts.h"
#include "calc/Rounding.h"
#include "calc/TermCheck.h"

namespace corbel {

namespace {

// Two repayments closer than this count as equal in the whole-percent scan.
constexpr long double ScanTolerance = 0.000001L;
constexpr int DecimalPlaces = 7;
// Lifts the four-decimal repayment so that it is never more than a millionth
// below the exact one: the round trip back to the periods then lands on the term.
constexpr long double RepaymentNudge = 0.000049L;
// A repayment this far below the amount over the count needs a negative rate.
constexpr long double BelowZeroRateTolerance = 0.0001L;
constexpr double MaxWhatIfPeriods = 1e15;

// v^-(N-1) gives the annuity-due factor D = 1 + (1 - v^-(N-1)) / i.
long double AdvanceFactor(long double v, long double i, double count) {
    return 1 + (1 - Power(v, -(static_cast<long double>(count) - 1))) / i;
}

}  // namespace

std::optional<WhatIfVariable> WhatIfVariableOfSavedCode(int code) {
    for (const WhatIfChoice& choice : WhatIfChoices) {
        if (choice.savedCode == code) {
            return choice.variable;
        }
    }
    return std::nullopt;
}

std::span<const WhatIfField> OutputFields(WhatIfVariable solve) {
    return ChoiceOf(solve).outputs;
}

bool IsOutputField(WhatIfVariable solve, WhatIfField field) {
    for (const WhatIfField f : OutputFields(solve)) {
        if (f == field) {
            return true;
        }
    }
    return false;
}

std::string& FieldText(WhatIfFields& fields, WhatIfField field) {
    switch (field) {
        case WhatIfField::Principal:
            return fields.principal;
        case WhatIfField::Interest:
            return fields.interest;
        case WhatIfField::Periods:
            return fields.periods;
        case WhatIfField::PartYear:
            return fields.partYear;
        case WhatIfField::Repay:
            return fields.repay;
    }
    return fields.principal;
}

const std::string& FieldText(const WhatIfFields& fields, WhatIfField field) {
    return FieldText(const_cast<WhatIfFields&>(fields), field);
}

void EmptyOutputFields(WhatIfFields& fields, WhatIfVariable solve) {
    for (const WhatIfField f : OutputFields(solve)) {
        FieldText(fields, f).clear();
    }
}

double WhatIfRepayment(double amount, double rate, double count, PaymentTiming timing) {
    const long double i = rate;
    const long double v = 1 + i;
    if (IsZeroRate(i)) {
        return static_cast<double>(amount / static_cast<long double>(count));
    }
    if (timing == PaymentTiming::InArrears) {
        const long double growth = Power(v, count);
        return static_cast<double>(amount * i * growth / (growth - 1));
    }
    return static_cast<double>(amount / AdvanceFactor(v, i, count));
}

double WhatIfAmount(double repayment, double rate, double count, PaymentTiming timing) {
    const long double i = rate;
    const long double v = 1 + i;
    if (IsZeroRate(i)) {
        return static_cast<double>(repayment * static_cast<long double>(count));
    }
    if (timing == PaymentTiming::InArrears) {
        const long double growth = Power(v, count);
        return static_cast<double>(repayment * (growth - 1) / (growth * i));
    }
    return static_cast<double>(repayment * AdvanceFactor(v, i, count));
}

std::optional<double> WhatIfPeriods(double amount, double repayment, double rate,
                                    PaymentTiming timing) {
    if (repayment == 0) {
        return std::nullopt;
    }
    const long double i = rate;
    const long double v = 1 + i;
    const long double perRepayment = amount / static_cast<long double>(repayment);
    double r = 0;
    if (IsZeroRate(i)) {
        r = static_cast<double>(perRepayment);
    } else if (timing == PaymentTiming::InArrears) {
        // g is the share of a repayment that the first period's interest takes.
        const double g = static_cast<double>(perRepayment * i);
        if (g >= 1) {
            return std::nullopt;
        }
        r = static_cast<double>(-std::log(1 - static_cast<long double>(g)) / std::log(v));
    } else {
        const double f = static_cast<double>((perRepayment - 1) * i);
        if (f >= 1) {
            return std::nullopt;
        }
        r = static_cast<double>(1 - std::log(1 - static_cast<long double>(f)) / std::log(v));
    }
    // Only a zero rate can overflow: amount / repayment beyond any count.
    if (!std::isfinite(r)) {
        return std::nullopt;
    }
    return r;
}

std::optional<double> SearchWhatIfRate(double amount, double repayment, double count,
                                       double paymentsPerYear, PaymentTiming timing) {
    const long double perPeriod = 100 * static_cast<long double>(paymentsPerYear);
    auto repaymentAt = [&](double b) {
        const double i = static_cast<double>(b / perPeriod);
        return WhatIfRepayment(amount, i, count, timing);
    };
    const long double target = repayment;
    std::optional<double> whole;
    for (int k = 1; k <= MaxWhatIfRate; ++k) {
        const double p = repaymentAt(k);
        if (p >= target - ScanTolerance) {
            whole = p >= target + ScanTolerance ? k - 1 : k;
            break;
        }
    }
    if (!whole) {
        return std::nullopt;
    }
    double b = *whole;
    long double place = 1;
    for (int d = 1; d <= DecimalPlaces; ++d) {
        place *= 10;
        int digit = 9;
        for (int j = 1; j <= 9; ++j) {
            if (repaymentAt(static_cast<double>(b + j / place)) > repayment) {
                digit = j - 1;
                break;
            }
        }
        b = static_cast<double>(b + digit / place);
    }
    return b;
}

Checked<WhatIfFields> SolveWhatIf(const WhatIfFields& fields, WhatIfVariable solve,
                                  PaymentFrequency repayment, PaymentFrequency compounding,
                                  PaymentTiming timing, const Regional& regional) {
    const double m = PeriodsPerYear(compounding);
    const double n = PeriodsPerYear(repayment);
    const std::string sep = regional.decimalSeparator();

    double i = 0;
    if (solve != WhatIfVariable::Interest) {
        const auto rate = NumberInRange(fields.interest, 0.000001, MaxRate, sep);
        if (!rate) {
            return Message{MessageCause::RateOutOfRange, msg::WhatIfInterest};
        }
        i = RoundMoney(PeriodicRate(*rate, m, n), 10);
    }
    double count = 0;
    if (solve != WhatIfVariable::Periods) {
        if (auto failure =
                CheckTerm(fields.periods, msg::PeriodLabel, fields.partYear, MaxYears, n)) {
            return *failure;
        }
        count = WholeOrZero(fields.periods) * n + WholeOrZero(fields.partYear);
    }
    double amount = 0;
    if (solve != WhatIfVariable::Amount) {
        const auto typed = NumberInRange(fields.principal, 0, MaxAmount, sep);
        if (!typed) {
            return Message{MessageCause::AmountOutOfRange, msg::WhatIfAmount};
        }
        amount = *typed;
    }
    double payment = 0;
    if (solve != WhatIfVariable::Payment) {
        const auto typed = NumberInRange(fields.repay, 0, MaxAmount, sep);
        if (!typed) {
            return Message{MessageCause::AmountOutOfRange, msg::WhatIfPayment};
        }
        payment = *typed;
    }

    WhatIfFields out = fields;
    switch (solve) {
        case WhatIfVariable::Payment: {
            const double level = WhatIfRepayment(amount, i, count, timing);
            const double nudged = static_cast<double>(level + RepaymentNudge);
            out.repay = GeneralNumberText(RoundMoney(nudged, 4), sep);
            break;
        }
        case WhatIfVariable::Amount:
            out.principal =
                GeneralNumberText(RoundMoney(WhatIfAmount(payment, i, count, timing), 0), sep);
            break;
        case WhatIfVariable::Periods: {
            const auto r = WhatIfPeriods(amount, payment, i, timing);
            if (!r) {
                return Message{MessageCause::NoAnswer, msg::CantBePaidOff};
            }
            // Any part of a period is a whole period more.
            const double periods = RoundMoney(static_cast<double>(*r + 0.5L), 0);
            // Past this a double holds no exact whole count.
            if (periods >= MaxWhatIfPeriods) {
                return Message{MessageCause::NoAnswer, msg::CantBePaidOff};
            }
            // Near half a period the rounding leaves a fraction: the nearest whole count.
            const long long whole = std::llround(periods);
            const long long perYear = static_cast<long long>(n);
            out.periods = std::to_string(whole / perYear);
            out.partYear = std::to_string(whole % perYear);
            break;
        }
        case WhatIfVariable::Interest: {
            if (amount == 0) {
                return Message{MessageCause::NoAnswer, msg::NoRateForZeroAmount};
            }
            if (payment < amount / static_cast<long double>(count) - BelowZeroRateTolerance) {
                return Message{MessageCause::NoAnswer, msg::NoRateAtOrAboveZero};
            }
            const auto b = SearchWhatIfRate(amount, payment, count, n, timing);
            if (!b) {
                return Message{MessageCause::NoAnswer, msg::RateBeyondSearch};
            }
            const double rate =
                static_cast<double>(PeriodicRate(*b, n, m) * static_cast<long double>(m) * 100);
            out.interest = GeneralNumberText(RoundMoney(rate, 4), sep);
            break;
        }
    }
    return out;
}

}  // namespace corbel
