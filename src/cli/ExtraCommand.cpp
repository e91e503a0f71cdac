// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/AdditionalPayments.h"
#include "calc/NumberTexts.h"
#include "cli/Cli.h"
#include "cli/Json.h"

namespace corbel::cli {

namespace {

int RunExtra(const Invocation& call, const Output& output) {
    const LoanTexts loan = call.loanTexts();
    // The window hides its start period field with annual repayments.
    if (loan.repaymentFrequency == PaymentFrequency::Annualy &&
        !call.text("--start-period").empty()) {
        throw UsageError("option --start-period is not offered with --repayment " +
                         std::string(Label(PaymentFrequency::Annualy)));
    }
    ExtraPaymentTexts texts;
    texts.extra = call.text("--extra");
    texts.startInYear = call.has("--start-year");
    texts.year = call.text("--start-year");
    texts.period = call.text("--start-period");
    const Regional& r = output.regional;
    const auto result = ExtraPaymentFromTexts(loan, texts, r);
    if (!result) {
        return ReportFailure(output, result.failure());
    }
    if (call.json()) {
        // The interest without the extra as held, as `loan` writes it; the two
        // others are rounded to cents.
        WriteJson(output.out, {{"total_interest", Number(result->totalInterest)},
                               {"new_interest", Number(result->newInterest)},
                               {"interest_saved", Number(result->interestSaved)},
                               {"sentence", result->sentence}});
        return ExitOk;
    }
    WriteLine(output.out, TotalInterestCaption, FormatMoney(r, result->totalInterest));
    WriteLine(output.out, NewInterestCaption, FormatMoney(r, result->newInterest));
    WriteLine(output.out, InterestSavedCaption, FormatMoney(r, result->interestSaved));
    WriteLine(output.out, "Paid off", result->sentence);
    return ExitOk;
}

}  // namespace

const Command ExtraCommand{
    "extra",
    "The specific additional payment window: the total interest without and with an additional "
    "payment on every repayment, the interest it saves and when the loan is paid off.",
    {{"--extra", "TEXT", "The additional payment."},
     {"--start-year", "TEXT",
      "The year the additional payments start in; without it, from the start of the loan."},
     {"--start-period", "TEXT",
      "The repayment period of that year they start in (not with annual repayments)."}},
    "--amount 1000 --rate 12 --years 2 --extra 10",
    RunExtra};

}  // namespace corbel::cli
