// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/AdditionalPayments.h"
#include "calc/NumberTexts.h"
#include "calc/PlainTable.h"
#include "cli/Cli.h"
#include "cli/Json.h"
#include "cli/TextTable.h"

namespace corbel::cli {

namespace {

// The table as the window shows it when it opens from the Loan page.
int RunReduce(const Invocation& call, const Output& output) {
    const LoanTexts texts = call.loanTexts();
    const Regional& r = output.regional;
    const auto table = TermReductionFromTexts(texts, r);
    if (!table) {
        return ReportFailure(output, table.failure());
    }
    const report::ExtraPaymentsReport printed{
        report::ReportLoan(texts),
        std::string(TermReductionWord(texts.repaymentFrequency, TermTableMoment::Opened)),
        table->rows};
    if (!PrintPdf(call, output, [&](report::PageDevice& device) {
            return PrintExtraPayments(device, printed, r);
        })) {
        return ExitCheckFailed;
    }
    if (call.json()) {
        Json rows = Json::array();
        for (const TermReductionRow& row : table->rows) {
            Json& cells = rows.emplace_back(Json::array());
            for (int c = 0; c < TermReductionColumnCount; ++c) {
                cells.push_back(Number(TermReductionCellValue(row, c)));
            }
        }
        WriteJson(output.out, {{"repayment", Number(table->repayment)}, {"rows", rows}});
        return ExitOk;
    }
    const std::string_view word =
        TermReductionWord(texts.repaymentFrequency, TermTableMoment::Opened);
    if (call.csv()) {
        output.out << CsvText(TermReductionPlainRows(table->rows, word));
        return ExitOk;
    }
    const auto headings = TermReductionHeadings(word);
    std::vector<std::vector<std::string>> lines;
    lines.reserve(table->rows.size() + 1);
    lines.emplace_back(headings.begin(), headings.end());
    for (const TermReductionRow& row : table->rows) {
        std::vector<std::string>& cells = lines.emplace_back();
        for (int c = 0; c < TermReductionColumnCount; ++c) {
            cells.push_back(TermReductionCellText(row, c, r));
        }
    }
    WriteLine(output.out, std::string(word) + " " + std::string(TermReductionRepaymentCaption),
              FormatMoney(r, table->repayment));
    WriteTable(output.out, lines);
    return ExitOk;
}

}  // namespace

const Command ReduceCommand{
    "reduce",
    "The additional payments table window: the repayment that clears the loan in each whole "
    "number of years from its term down to one, what that adds to the current repayment, its "
    "total interest and the interest it saves.",
    {CsvOption, PdfOption},
    "--amount 1000 --rate 12 --years 2",
    RunReduce};

}  // namespace corbel::cli
