// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/NumberTexts.h"
#include "cli/Cli.h"
#include "cli/Json.h"

namespace corbel::cli {

namespace {

int RunLoan(const Invocation& call, const Output& output) {
    const LoanTexts texts = call.loanTexts();
    const auto loan = CalculateLoan(texts, output.regional);
    if (!loan) {
        return ReportFailure(output, loan.failure());
    }
    // Calculate's checks are the strictest, so the chart's pass whenever its do.
    const auto slices = CostBreakdown(texts, output.regional);
    const Regional& r = output.regional;
    const report::LoanDetailsReport details{
        report::ReportLoan(texts), LoanPaymentCaption(texts.repaymentFrequency),
        FormatMoney(r, loan->repayment), FormatMoney(r, loan->totalInterest)};
    if (!PrintPdf(call, output, [&](report::PageDevice& device) {
            return PrintLoanDetails(device, details, r);
        })) {
        return ExitCheckFailed;
    }
    if (call.json()) {
        WriteJson(output.out, {{"repayment", Number(loan->repayment)},
                               {"repayment_text", FormatMoney(r, loan->repayment)},
                               {"total_interest", Number(loan->totalInterest)},
                               {"total_interest_text", FormatMoney(r, loan->totalInterest)},
                               {"payment_count", loan->run.paymentCount},
                               {"last_payment", Number(loan->run.lastPayment)},
                               {"last_payment_text", FormatMoney(r, loan->run.lastPayment)},
                               {"message", loan->notice ? Json(loan->notice->text) : Json(nullptr)},
                               {"chart_principal", Number(slices->principal)},
                               {"chart_interest", Number(slices->interest)}});
        return ExitOk;
    }
    WriteLine(output.out, "Repayment", FormatMoney(r, loan->repayment));
    WriteLine(output.out, "Total interest", FormatMoney(r, loan->totalInterest));
    WriteLine(output.out, "Payment count", std::to_string(loan->run.paymentCount));
    WriteLine(output.out, "Last payment", FormatMoney(r, loan->run.lastPayment));
    if (loan->notice) {
        WriteLine(output.out, "Message", loan->notice->text);
    }
    WriteLine(output.out, "Chart principal", FormatMoney(r, slices->principal));
    WriteLine(output.out, "Chart interest", FormatMoney(r, slices->interest));
    return ExitOk;
}

}  // namespace

const Command LoanCommand{
    "loan",
    "The Loan page's Calculate: the repayment, the total interest, the payment count and the last "
    "payment, and the two slices of the cost breakdown chart.",
    {PdfOption},
    "--amount 100000 --rate 6 --years 30",
    RunLoan};

}  // namespace corbel::cli
