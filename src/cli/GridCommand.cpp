#include "Cli.h"
#include "ErrorChecking.h"
#include "Json.h"
#include "LoanGrid.h"
#include "TextTable.h"

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

int RunGrid(const Invocation& call, const Output& output) {
    const int amountStep =
        AmountSteps[ChosenIndex(call, "--amount-step", AmountStepTexts, DefaultAmountStepIndex)];
    const double interestStep = InterestSteps[ChosenIndex(
        call, "--interest-step", InterestStepTexts, DefaultInterestStepIndex)];
    const Regional& r = output.regional;
    const auto grid =
        LoanGridFromTexts(call.loanTexts(), amountStep, interestStep, r.decimalSeparator());
    if (!grid) {
        return ReportFailure(output, grid.failure());
    }
    if (call.json()) {
        std::vector<Json> payments;
        payments.reserve(grid->payments.size());
        for (const auto& row : grid->payments) {
            payments.push_back(Json::numbers({row.begin(), row.end()}));
        }
        output.out << Json::Object()
                          .add("rates", Json::numbers({grid->rates.begin(), grid->rates.end()}))
                          .add("amounts", Json::numbers(grid->amounts))
                          .add("marked_row", Json::integer(grid->markedRow))
                          .add("payments", Json::array(payments))
                          .text()
                   << "\n";
        return ExitOk;
    }
    std::vector<std::vector<std::string>> table;
    table.reserve(grid->amounts.size() + 1);
    std::vector<std::string> heading{std::string(GridCornerText)};
    for (const double rate : grid->rates) {
        heading.push_back(RateHeadingText(rate, r.decimalSeparator()));
    }
    table.push_back(std::move(heading));
    for (std::size_t m = 0; m < grid->amounts.size(); ++m) {
        std::vector<std::string> row{FormatMoney(r, grid->amounts[m], MoneyForm::NoDecimals)};
        for (const double payment : grid->payments[m]) {
            row.push_back(FormatMoney(r, payment, MoneyForm::TwoDecimals));
        }
        table.push_back(std::move(row));
    }
    WriteLine(output.out, "Marked row", std::to_string(grid->markedRow));
    WriteTable(output.out, table);
    return ExitOk;
}

}  // namespace

const Command GridCommand{"grid", {"--amount-step", "--interest-step"}, {}, RunGrid};

}  // namespace corbel::cli
