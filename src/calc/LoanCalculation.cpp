#include "LoanCalculation.h"

#include "ErrorChecking.h"

namespace corbel {

Checked<LoanTerms> ReadLoan(const LoanTexts& texts, const LoanChecks& checks,
                            std::string_view decimalSeparator) {
    LoanTerms terms;
    terms.repayment = texts.repayment;
    terms.compounding = texts.compounding;
    terms.timing = texts.timing;
    if (!IsNumberInRange(texts.amount, checks.minAmount, MaxAmount, decimalSeparator)) {
        return Information(checks.amountMessage);
    }
    terms.amount = *ReadDecimal(Strip(texts.amount), decimalSeparator);
    if (auto failure = CheckTerm(texts.years, msg::PeriodLabel, texts.parts, msg::MaxYears,
                                 terms.paymentsPerYear())) {
        return *failure;
    }
    terms.years = WholeOrZero(texts.years);
    terms.partPeriods = WholeOrZero(texts.parts);
    if (!IsNumberInRange(texts.rate, checks.minRate, MaxRate, decimalSeparator)) {
        return Information(checks.rateMessage);
    }
    terms.annualRate = *ReadDecimal(Strip(texts.rate), decimalSeparator);
    return terms;
}

Checked<LoanCalculation> CalculateLoan(const LoanTexts& texts, const Regional& regional) {
    const auto terms = ReadLoan(texts, CalculateChecks, regional.decimalSeparator());
    if (!terms) {
        return terms.failure();
    }
    LoanCalculation result;
    result.repayment = Instalment(*terms);
    result.run = RunAmortisation(*terms, regional).value();
    result.totalInterest = TotalInterest(*terms, result.repayment, result.run);
    if (result.run.PaymentCount != terms->paymentCount()) {
        result.notice = Information(std::string(msg::EarlyClearance)
                                        .append(std::to_string(result.run.PaymentCount))
                                        .append(msg::EarlyClearanceEnd));
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
    result.run = RunAmortisation(*terms, regional).value();
    result.message = Confirm(std::string(msg::YouWillMake)
                                 .append(std::to_string(result.run.PaymentCount))
                                 .append(msg::PaymentsOf)
                                 .append(FormatMoney(regional, result.repayment))
                                 .append(msg::LastPaymentWillBe)
                                 .append(result.run.LastPaymentText));
    return result;
}

Checked<CostSlices> CostBreakdown(const LoanTexts& texts, const Regional& regional) {
    const auto terms = ReadLoan(texts, TableChecks, regional.decimalSeparator());
    if (!terms) {
        return terms.failure();
    }
    CostSlices slices;
    const double instalment = Instalment(*terms);
    slices.run = RunAmortisation(*terms, regional).value();
    slices.principal = terms->amount;
    slices.interest = TotalInterest(*terms, instalment, slices.run);
    return slices;
}

}  // namespace corbel
