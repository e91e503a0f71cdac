// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/Checked.h"
#include "calc/MortgageFunctions.h"
#include "calc/Regional.h"

namespace corbel {

// The Loan page's inputs as typed.
struct LoanTexts {
    std::string amount;
    std::string rate;
    std::string years;
    std::string parts;
    PaymentFrequency repaymentFrequency = DefaultFrequency;
    PaymentFrequency compounding = DefaultFrequency;
    PaymentTiming timing = PaymentTiming::InArrears;
};

// The bounds and messages of the amount and rate checks; each action that reads
// the Loan page has its own (the term check is the same for all).
struct LoanChecks {
    double minAmount;
    std::string_view amountMessage;
    double minRate;
    std::string_view rateMessage;
};
inline constexpr LoanChecks CalculateChecks{0.001, msg::ValidLoanAmount, 0.000001,
                                            msg::ValidInterestRate};
inline constexpr LoanChecks GridChecks{0, msg::GridLoanAmount, 0.000001, msg::GridInterestRate};
inline constexpr LoanChecks TableChecks{0, msg::ValidLoanAmount, 0.000001, msg::ValidInterestRate};
inline constexpr LoanChecks LastPaymentChecks{0, msg::ValidLoanAmount, 0, msg::ValidInterestRate};

// How far the checks of a loan's fields got: the last field that passed.
enum class LoanCheckStage { None, Amount, Term, All };

struct LoanReading {
    Checked<LoanTerms> loan;
    LoanCheckStage passed;
};

// Checks amount, term and rate in that order and reads the loan; a window that
// copies each field once its check passed learns from `passed` how far to copy.
LoanReading ReadLoanInOrder(const LoanTexts& texts, const LoanChecks& checks,
                            std::string_view decimalSeparator);

// The same when only the outcome matters.
Checked<LoanTerms> ReadLoan(const LoanTexts& texts, const LoanChecks& checks,
                            std::string_view decimalSeparator);

// The Loan page's Calculate.
struct LoanCalculation {
    double repayment = 0;
    double totalInterest = 0;
    AmortisationSummary run;
    std::optional<Message> notice;  // the early-clearance message
};
Checked<LoanCalculation> CalculateLoan(const LoanTexts& texts, const Regional& regional);

// The Loan page's Last Payment.
struct LastPaymentResult {
    double repayment = 0;
    AmortisationSummary run;
    Message message{MessageCause::PaymentsToMake, ""};
};
Checked<LastPaymentResult> LastPayment(const LoanTexts& texts, const Regional& regional);

// The two slices of the cost breakdown chart.
struct CostSlices {
    double principal = 0;
    double interest = 0;
    AmortisationSummary run;
};
Checked<CostSlices> CostBreakdown(const LoanTexts& texts, const Regional& regional);

}  // namespace corbel
