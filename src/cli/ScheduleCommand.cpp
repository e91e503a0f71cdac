#include <array>

#include "Cli.h"
#include "ErrorChecking.h"
#include "Json.h"
#include "LoanSchedule.h"
#include "TextTable.h"

namespace corbel::cli {

namespace {

constexpr std::array<std::string_view, 2> Layouts{"year", "period"};

std::string Money(const Regional& regional, double value) {
    return FormatMoney(regional, RoundMoney(value, 2));
}

int RunSchedule(const Invocation& call, const Output& output) {
    const ScheduleDisplay display = call.choice("--by", Layouts, "year") == "year"
                                        ? ScheduleDisplay::ByYear
                                        : ScheduleDisplay::ByPeriod;
    const LoanTexts texts = call.loanTexts();
    const Regional& r = output.regional;
    const auto schedule = ScheduleFromTexts(texts, display, r.decimalSeparator());
    if (!schedule) {
        return ReportFailure(output, schedule.failure());
    }
    if (call.json()) {
        std::vector<Json> rows;
        rows.reserve(schedule->rows.size());
        for (const ScheduleRow& row : schedule->rows) {
            rows.push_back(Json::array(
                {Json::integer(row.number), Json::number(RoundMoney(row.interest, 2)),
                 Json::number(RoundMoney(row.capital, 2)), Json::number(RoundMoney(row.balance, 2)),
                 Json::number(RoundMoney(row.accumulatedInterest, 2)),
                 Json::number(RoundMoney(row.accumulatedCapital, 2))}));
        }
        output.out << Json::Object()
                          .add("repayment", Json::number(schedule->repayment))
                          .add("repayment_text", Json::string(FormatMoney(r, schedule->repayment)))
                          .add("rows", Json::array(rows))
                          .text()
                   << "\n";
        return ExitOk;
    }
    const ScheduleCaptions captions = CaptionsFor(texts.repayment);
    // With annual repayments the window hides its period button; a row is a year either way.
    const std::string_view numberHeading =
        display == ScheduleDisplay::ByPeriod && captions.periodButtonVisible ? captions.periodButton
                                                                             : YearCaption;
    std::vector<std::vector<std::string>> table;
    table.reserve(schedule->rows.size() + 1);
    table.push_back({std::string(numberHeading), "Interest", "Capital Reduction",
                     "Outstanding Balance", "Accumulated Interest", "Accumulated Capital"});
    for (const ScheduleRow& row : schedule->rows) {
        table.push_back({std::to_string(row.number), Money(r, row.interest), Money(r, row.capital),
                         Money(r, row.balance), Money(r, row.accumulatedInterest),
                         Money(r, row.accumulatedCapital)});
    }
    WriteLine(output.out, captions.repaymentLabel, FormatMoney(r, schedule->repayment));
    WriteTable(output.out, table);
    return ExitOk;
}

}  // namespace

const Command ScheduleCommand{"schedule", {"--by"}, {}, RunSchedule};

}  // namespace corbel::cli
