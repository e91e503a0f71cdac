// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/LoanSchedule.h"
#include "calc/NumberTexts.h"
#include "calc/PlainTable.h"
#include "cli/Cli.h"
#include "cli/Json.h"
#include "cli/ScheduleOutput.h"
#include "cli/TextTable.h"

namespace corbel::cli {

ScheduleDisplay DisplayChosen(const Invocation& call) {
    return call.choice(ByOption.name, ScheduleLayouts, ByOption.fallback) == ScheduleLayouts[0]
               ? ScheduleDisplay::ByYear
               : ScheduleDisplay::ByPeriod;
}

int WriteSchedule(const Invocation& call, const Output& output, const LoanTexts& texts,
                  ScheduleDisplay display, const LoanSchedule& schedule,
                  const ScheduleAddition& addition) {
    const Regional& r = output.regional;
    const report::LoanScheduleReport printed{
        report::ReportLoan(texts),
        std::string(ScheduleHeadings(display, texts.repaymentFrequency)[0]), schedule.rows,
        addition.heading};
    if (!PrintPdf(call, output, [&](report::PageDevice& device) {
            return PrintLoanSchedule(device, printed, r);
        })) {
        return ExitCheckFailed;
    }
    if (call.json()) {
        const std::vector<ScheduleRow>& rows = schedule.rows;
        Json head{{"repayment", Number(schedule.repayment)},
                  {"repayment_text", FormatMoney(r, schedule.repayment)}};
        head.update(addition.members);
        WriteJsonWithRows(output.out, head, "rows", rows.size(), ScheduleColumnCount,
                          [&](std::size_t row, std::size_t column) {
                              return ScheduleCellValue(rows[row], static_cast<int>(column));
                          });
        return ExitOk;
    }
    if (call.csv()) {
        output.out << CsvText(SchedulePlainRows(schedule.rows, display, texts.repaymentFrequency));
        return ExitOk;
    }
    TextTable table;
    for (const std::string_view heading : ScheduleHeadings(display, texts.repaymentFrequency)) {
        table.add(heading);
    }
    table.endRow();
    for (const ScheduleRow& row : schedule.rows) {
        for (int c = 0; c < ScheduleColumnCount; ++c) {
            table.add(ScheduleCellText(row, c, r));
        }
        table.endRow();
    }
    if (!addition.heading.empty()) {
        output.out << addition.heading << "\n";
    }
    WriteLine(output.out, Info(texts.repaymentFrequency).scheduleRepaymentLabel,
              FormatMoney(r, schedule.repayment));
    table.write(output.out);
    if (addition.textLines) {
        addition.textLines(output.out);
    }
    return ExitOk;
}

namespace {

int RunSchedule(const Invocation& call, const Output& output) {
    const ScheduleDisplay display = DisplayChosen(call);
    const LoanTexts texts = call.loanTexts();
    const auto schedule = ScheduleFromTexts(texts, display, output.regional.decimalSeparator());
    if (!schedule) {
        return ReportFailure(output, schedule.failure());
    }
    return WriteSchedule(call, output, texts, display, *schedule);
}

}  // namespace

const Command ScheduleCommand{
    "schedule",
    "The loan schedule window: the repayment and the table of interest, capital reduction, "
    "outstanding balance and running totals.",
    {ByOption, CsvOption, PdfOption},
    "--amount 1000 --rate 12 --parts 3 --by period",
    RunSchedule};

}  // namespace corbel::cli
