// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/LoanGrid.h"
#include "calc/PlainTable.h"
#include "cli/Cli.h"
#include "cli/Json.h"
#include "cli/TextTable.h"

namespace corbel::cli {

namespace {

template <typename Texts>
std::size_t ChosenIndex(const Invocation& call, std::string_view option, const Texts& texts,
                        std::size_t fallback) {
    const std::string chosen = call.choice(option, texts, texts[fallback]);
    for (std::size_t k = 0; k < texts.size(); ++k) {
        if (texts[k] == chosen) {
            return k;
        }
    }
    return fallback;  // not reached: choice() admits only the offered texts
}

constexpr OptionSpec AmountStepOption{"--amount-step", "STEP", "The step between the amounts.",
                                      AmountStepTexts, AmountStepTexts[DefaultAmountStepIndex]};
constexpr OptionSpec InterestStepOption{"--interest-step", "STEP", "The step between the rates.",
                                        InterestStepTexts,
                                        InterestStepTexts[DefaultInterestStepIndex]};

int RunGrid(const Invocation& call, const Output& output) {
    const int amountStep = AmountSteps[ChosenIndex(call, AmountStepOption.name, AmountStepTexts,
                                                   DefaultAmountStepIndex)];
    const double interestStep = InterestSteps[ChosenIndex(
        call, InterestStepOption.name, InterestStepTexts, DefaultInterestStepIndex)];
    const Regional& r = output.regional;
    const LoanTexts texts = call.loanTexts();
    const auto grid = LoanGridFromTexts(texts, amountStep, interestStep, r.decimalSeparator());
    if (!grid) {
        return ReportFailure(output, grid.failure());
    }
    const report::LoanGridReport printed{report::ReportLoan(texts), std::to_string(amountStep),
                                         InterestStepText(interestStep, r.decimalSeparator()),
                                         &*grid};
    if (!PrintPdf(call, output,
                  [&](report::PageDevice& device) { return PrintLoanGrid(device, printed, r); })) {
        return ExitCheckFailed;
    }
    if (call.json()) {
        Json payments = Json::array();
        for (const auto& row : grid->payments) {
            payments.push_back(Numbers(row));
        }
        WriteJson(output.out, {{"rates", Numbers(grid->rates)},
                               {"amounts", Numbers(grid->amounts)},
                               {"marked_row", grid->markedRow},
                               {"payments", payments}});
        return ExitOk;
    }
    if (call.csv()) {
        output.out << CsvText(GridPlainRows(*grid));
        return ExitOk;
    }
    std::vector<std::vector<std::string>> table(static_cast<std::size_t>(grid->rowCount()));
    for (int gridRow = 0; gridRow < grid->rowCount(); ++gridRow) {
        for (int c = 0; c < GridTableColumns; ++c) {
            table[gridRow].push_back(GridCellText(*grid, gridRow, c, r));
        }
    }
    WriteLine(output.out, "Marked row", std::to_string(grid->markedRow));
    WriteTable(output.out, table);
    return ExitOk;
}

}  // namespace

const Command GridCommand{
    "grid",
    "The loan grid window: the repayments for a run of amounts around the loan at seven rates "
    "around its rate; the marked row is the typed amount's.",
    {AmountStepOption, InterestStepOption, CsvOption, PdfOption},
    "--amount 25000 --rate 6 --years 25 --amount-step 10000",
    RunGrid};

}  // namespace corbel::cli
