// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/LoanCalculation.h"

#include "calc/Limits.h"
#include "calc/NumberReading.h"
#include "calc/NumberTexts.h"
#include "calc/TermCheck.h"

namespace corbel {

LoanReading ReadLoanInOrder(const LoanTexts& texts, const LoanChecks& checks,
                            std::string_view decimalSeparator) {
    LoanTerms terms;
    terms.repaymentFrequency = texts.repaymentFrequency;
    terms.compounding = texts.compounding;
    terms.timing = texts.timing;
    const auto amount = NumberInRange(texts.amount, checks.minAmount, MaxAmount, decimalSeparator);
    if (!amount) {
        return {Message{MessageCause::AmountOutOfRange, checks.amountMessage},
                LoanCheckStage::None};
    }
    terms.amount = *amount;
    if (auto failure = CheckTerm(texts.years, msg::PeriodLabel, texts.parts, MaxYears,
                                 terms.paymentsPerYear())) {
        return {*failure, LoanCheckStage::Amount};
    }
    terms.years = WholeOrZero(texts.years);
    terms.partPeriods = WholeOrZero(texts.parts);
    const auto rate = NumberInRange(texts.rate, checks.minRate, MaxRate, decimalSeparator);
    if (!rate) {
        return {Message{MessageCause::RateOutOfRange, checks.rateMessage}, LoanCheckStage::Term};
    }
    terms.annualRate = *rate;
    return {terms, LoanCheckStage::All};
}

Checked<LoanTerms> ReadLoan(const LoanTexts& texts, const LoanChecks& checks,
                            std::string_view decimalSeparator) {
    return ReadLoanInOrder(texts, checks, decimalSeparator).loan;
}

Checked<LoanCalculation> CalculateLoan(const LoanTexts& texts, const Regional& regional) {
    const auto terms = ReadLoan(texts, CalculateChecks, regional.decimalSeparator());
    if (!terms) {
        return terms.failure();
    }
    LoanCalculation result;
    result.repayment = Instalment(*terms);
    result.run = RunAmortisation(*terms).value();
    result.totalInterest = TotalInterest(*terms, result.repayment, result.run);
    if (result.run.paymentCount != terms->paymentCount()) {
        result.notice =
            Message{MessageCause::EarlyClearance,
                    Fill(msg::EarlyClearance, {std::to_string(result.run.paymentCount)})};
    }
    return result;
}

Checked<LastPaymentResult> LastPayment(const LoanTexts& texts, const Regional& regional) {
    const auto terms = ReadLoan(texts, LastPaymentChecks, regional.decimalSeparator());
    if (!terms) {
        return terms.failure();
    }
    LastPaymentResult result;
    result.repayment = Instalment(*terms);
    result.run = RunAmortisation(*terms).value();
    result.message =
        Message{MessageCause::PaymentsToMake,
                Fill(msg::PaymentsToMake, {std::to_string(result.run.paymentCount),
                                           FormatMoney(regional, result.repayment),
                                           FormatMoney(regional, result.run.lastPayment)})};
    return result;
}

Checked<CostSlices> CostBreakdown(const LoanTexts& texts, const Regional& regional) {
    const auto terms = ReadLoan(texts, TableChecks, regional.decimalSeparator());
    if (!terms) {
        return terms.failure();
    }
    CostSlices slices;
    const double instalment = Instalment(*terms);
    slices.run = RunAmortisation(*terms).value();
    slices.principal = terms->amount;
    slices.interest = TotalInterest(*terms, instalment, slices.run);
    return slices;
}

}  // namespace corbel
