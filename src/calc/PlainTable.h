// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/AdditionalPayments.h"
#include "calc/LoanGrid.h"
#include "calc/LoanSchedule.h"
#include "calc/TableCells.h"

namespace corbel {

// A table as plain texts for a spreadsheet: the heading line first, then one
// line a row, numbers with a full stop and money with two decimals in any locale.
// The CSV file, the command line's CSV and the clipboard all take it from here.
using PlainRows = std::vector<std::vector<std::string>>;

// A cell's value as a plain number: counts as they are, money with two decimals.
std::string PlainNumber(double value, CellForm form);

// A table of rows by its column definition: the headings, then each row's cells.
template <typename Row, typename Columns, typename Headings>
PlainRows ColumnPlainRows(const std::vector<Row>& rows, const Columns& columns,
                          const Headings& headings) {
    PlainRows plain;
    plain.reserve(rows.size() + 1);
    plain.emplace_back(headings.begin(), headings.end());
    for (const Row& row : rows) {
        std::vector<std::string>& cells = plain.emplace_back();
        for (const TableColumn<Row>& column : columns) {
            cells.push_back(PlainNumber(column.value(row), column.form));
        }
    }
    return plain;
}

PlainRows SchedulePlainRows(const std::vector<ScheduleRow>& rows, ScheduleDisplay display,
                            PaymentFrequency repayment);
PlainRows GridPlainRows(const LoanGrid& grid);
PlainRows TermReductionPlainRows(const std::vector<TermReductionRow>& rows,
                                 std::string_view frequencyWord);

// Comma-separated lines; a field holding a comma, a quote or a line end is quoted.
std::string CsvText(const PlainRows& rows);

// Tab-separated lines, as spreadsheets take pasted cells.
std::string TabText(const PlainRows& rows);

}  // namespace corbel
