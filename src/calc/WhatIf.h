// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/Checked.h"
#include "calc/Frequency.h"
#include "calc/Regional.h"

namespace corbel {

// The What If? page's five value fields, as typed.
struct WhatIfFields {
    std::string principal;  // WIPrincipal
    std::string interest;   // WIInterest
    std::string periods;    // WIPeriods: whole years
    std::string partYear;   // WIPartYear
    std::string repay;      // WIRepay
    bool operator==(const WhatIfFields&) const = default;
};

enum class WhatIfField { Principal, Interest, Periods, PartYear, Repay };

// The variable the page solves for; the page starts on Amount.
enum class WhatIfVariable { Payment, Amount, Periods, Interest };
inline constexpr WhatIfVariable DefaultWhatIfVariable = WhatIfVariable::Amount;

namespace detail {
inline constexpr std::array<WhatIfField, 1> PaymentOutputs{WhatIfField::Repay};
inline constexpr std::array<WhatIfField, 1> AmountOutputs{WhatIfField::Principal};
inline constexpr std::array<WhatIfField, 2> PeriodOutputs{WhatIfField::Periods,
                                                          WhatIfField::PartYear};
inline constexpr std::array<WhatIfField, 1> InterestOutputs{WhatIfField::Interest};
}  // namespace detail

// Everything the program says about a variable to solve for, in the order of
// the page's radio buttons and of the command line's choices.
struct WhatIfChoice {
    WhatIfVariable variable;
    std::string_view caption;              // the page's radio button
    std::string_view radioButton;          // its objectName
    std::string_view solveWord;            // corbelwright-calc whatif --solve
    int savedCode;                         // the saved loan file's line 20
    std::span<const WhatIfField> outputs;  // the fields that receive the answer
};
inline constexpr std::array<WhatIfChoice, 4> WhatIfChoices{{
    {WhatIfVariable::Payment, "Payment", "PaymentRB", "payment", 4, detail::PaymentOutputs},
    {WhatIfVariable::Amount, "Amount", "AmountRB", "amount", 1, detail::AmountOutputs},
    {WhatIfVariable::Periods, "Periods", "PeriodRB", "periods", 2, detail::PeriodOutputs},
    {WhatIfVariable::Interest, "Interest", "InterestRB", "interest", 3, detail::InterestOutputs},
}};

constexpr const WhatIfChoice& ChoiceOf(WhatIfVariable variable) {
    return WhatIfChoices[static_cast<std::size_t>(variable)];
}

// The variable a saved file's code stands for; nothing for a code no choice has.
std::optional<WhatIfVariable> WhatIfVariableOfSavedCode(int code);

// The fields that receive the answer for `solve` (read-only, light blue);
// all others are typed into.
std::span<const WhatIfField> OutputFields(WhatIfVariable solve);
bool IsOutputField(WhatIfVariable solve, WhatIfField field);

std::string& FieldText(WhatIfFields& fields, WhatIfField field);
const std::string& FieldText(const WhatIfFields& fields, WhatIfField field);

// Choosing a variable empties its output fields.
void EmptyOutputFields(WhatIfFields& fields, WhatIfVariable solve);

// The closed forms at `rate` per period (a fraction) over `count` repayments,
// unrounded; a zero rate takes the formulas' limits.
double WhatIfRepayment(double amount, double rate, double count, PaymentTiming timing);
double WhatIfAmount(double repayment, double rate, double count, PaymentTiming timing);

// The number of periods r (unrounded) that `repayment` needs to clear `amount`;
// nullopt when it never does.
std::optional<double> WhatIfPeriods(double amount, double repayment, double rate,
                                    PaymentTiming timing);

// The digit-by-digit search for the nominal annual percentage b, compounded once
// per repayment period, whose repayment on `amount` over `count` repayments is
// `repayment`; nullopt when it would be above MaxWhatIfRate.
std::optional<double> SearchWhatIfRate(double amount, double repayment, double count,
                                       double paymentsPerYear, PaymentTiming timing);

// The page's Calculate: checks the known fields in the page's order (the one
// being solved is skipped) and returns the fields with the answer written in.
// A repayment that cannot clear the loan, a rate above the search's reach and an
// amount of 0 for the interest are failures too: nothing changes.
Checked<WhatIfFields> SolveWhatIf(const WhatIfFields& fields, WhatIfVariable solve,
                                  PaymentFrequency repayment, PaymentFrequency compounding,
                                  PaymentTiming timing, const Regional& regional);

}  // namespace corbel
