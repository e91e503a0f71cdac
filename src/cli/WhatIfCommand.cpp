// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>

#include "calc/WhatIf.h"
#include "cli/Cli.h"
#include "cli/Json.h"

namespace corbel::cli {

namespace {

constexpr auto SolveChoices = [] {
    std::array<std::string_view, WhatIfChoices.size()> words;
    for (std::size_t k = 0; k < words.size(); ++k) {
        words[k] = WhatIfChoices[k].solveWord;
    }
    return words;
}();
constexpr OptionSpec SolveOption{"--solve", "FIELD",
                                 "The field to solve from the others; its own option is ignored.",
                                 SolveChoices, ChoiceOf(DefaultWhatIfVariable).solveWord};

WhatIfVariable Solved(const Invocation& call) {
    const std::string solve = call.choice(SolveOption.name, SolveChoices, SolveOption.fallback);
    for (const WhatIfChoice& choice : WhatIfChoices) {
        if (choice.solveWord == solve) {
            return choice.variable;
        }
    }
    return DefaultWhatIfVariable;
}

int RunWhatIf(const Invocation& call, const Output& output) {
    const WhatIfVariable solve = Solved(call);
    // Solving the periods writes the part-year field, whatever the repayments.
    const LoanTexts loan =
        call.loanTexts(solve == WhatIfVariable::Periods ? Invocation::PartYear::Ignored
                                                        : Invocation::PartYear::Read);
    WhatIfFields fields{loan.amount, loan.rate, loan.years, loan.parts, call.text("--repay")};
    // Choosing the variable empties its fields, as the page's radio buttons do.
    EmptyOutputFields(fields, solve);
    const auto solved = SolveWhatIf(fields, solve, loan.repaymentFrequency, loan.compounding,
                                    loan.timing, output.regional);
    // Every message of the solve means nothing was calculated.
    if (!solved) {
        return ReportFailure(output, solved.failure());
    }
    if (call.json()) {
        WriteJson(output.out, {{"amount", solved->principal},
                               {"rate", solved->interest},
                               {"years", solved->periods},
                               {"parts", solved->partYear},
                               {"repay", solved->repay}});
        return ExitOk;
    }
    WriteLine(output.out, "Loan amount", solved->principal);
    WriteLine(output.out, "Interest rate", solved->interest);
    WriteLine(output.out, "Years", solved->periods);
    WriteLine(output.out, "Part-year periods", solved->partYear);
    WriteLine(output.out, "Repayment", solved->repay);
    return ExitOk;
}

}  // namespace

const Command WhatIfCommand{
    "whatif",
    "The What If? page: solves the repayment, the amount, the periods or the interest rate from "
    "the other three.",
    {SolveOption, {"--repay", "TEXT", "The repayment field."}},
    "--solve interest --amount 100000 --years 30 --repay 599.5506",
    RunWhatIf};

}  // namespace corbel::cli
