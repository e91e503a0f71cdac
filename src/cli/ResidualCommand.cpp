// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <optional>

#include "calc/NumberTexts.h"
#include "calc/ResidualValue.h"
#include "cli/Cli.h"
#include "cli/Json.h"

namespace corbel::cli {

namespace {

void WriteMoney(const Output& output, std::string_view label, const std::optional<double>& value) {
    if (value) {
        WriteLine(output.out, label, FormatMoney(output.regional, *value));
    }
}

int RunResidual(const Invocation& call, const Output& output) {
    const LoanTexts loan = call.loanTexts();
    ResidualTexts texts;
    texts.amount = loan.amount;
    texts.rate = loan.rate;
    texts.years = loan.years;
    texts.parts = loan.parts;
    texts.proposed = call.text("--proposed");
    texts.residualPercent = call.text("--residual-percent");
    texts.repaymentFrequency = loan.repaymentFrequency;
    texts.compounding = loan.compounding;
    const auto result = CalculateResidualValue(texts, output.regional);
    if (!result) {
        return ReportFailure(output, result.failure());
    }
    if (result->refusal) {
        return ReportFailure(output, *result->refusal);
    }
    const Regional& r = output.regional;
    const auto money = [&r](const std::optional<double>& value) {
        return value ? FormatMoney(r, *value) : std::string();
    };
    const report::ResidualValueReport printed{report::ReportLoan(texts),
                                              FormatMoney(r, result->noResidualRepayment),
                                              texts.proposed,
                                              money(result->residual),
                                              result->residualPercentText.value_or(""),
                                              texts.residualPercent,
                                              money(result->residualMoney),
                                              money(result->repaymentForResidual)};
    if (!PrintPdf(call, output, [&](report::PageDevice& device) {
            return PrintResidualValue(device, printed, r);
        })) {
        return ExitCheckFailed;
    }
    if (call.json()) {
        WriteJson(output.out,
                  {{"no_residual_repayment", Number(result->noResidualRepayment)},
                   {"residual", OptionalNumber(result->residual)},
                   {"residual_percent", OptionalNumber(result->residualPercent)},
                   {"residual_money", OptionalNumber(result->residualMoney)},
                   {"repayment_for_residual", OptionalNumber(result->repaymentForResidual)}});
        return ExitOk;
    }
    WriteMoney(output, "Repayment with no residual value", result->noResidualRepayment);
    WriteMoney(output, "Residual value", result->residual);
    if (result->residualPercentText) {
        WriteLine(output.out, "Residual value percent", *result->residualPercentText);
    }
    WriteMoney(output, "Chosen residual value", result->residualMoney);
    WriteMoney(output, "Repayment for the chosen residual", result->repaymentForResidual);
    return ExitOk;
}

}  // namespace

// The page's repayments always fall in arrears, so it offers no --advance.
const Command ResidualCommand{
    "residual",
    "The Residual Value page: the repayment that leaves no residual value, the residual value "
    "that a smaller proposed repayment leaves, and the repayment that leaves a chosen one.",
    {{"--proposed", "TEXT", "A proposed repayment."},
     {"--residual-percent", "TEXT", "A residual value in percent of the loan amount."},
     PdfOption},
    "--amount 10000 --rate 10 --years 5 --proposed 150 --residual-percent 20",
    RunResidual,
    false};

}  // namespace corbel::cli
