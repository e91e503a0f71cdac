// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/PlainTable.h"

#include <charconv>

namespace corbel {

namespace {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string Joined(const PlainRows& rows, char separator,
                   std::string (*field)(const std::string&)) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) {
                text += separator;
            }
            text += field(row[c]);
        }
        text += '\n';
    }
    return text;
}

std::string AsIs(const std::string& text) {
    return text;
}

}  // namespace

std::string PlainNumber(double value, CellForm form) {
    const double shown = CellValue(value, form);
    char buf[64];
    const int decimals = form == CellForm::Count ? 0 : 2;
    const auto end =
        std::to_chars(buf, buf + sizeof buf, shown, std::chars_format::fixed, decimals);
    return std::string(buf, end.ptr);
}

PlainRows SchedulePlainRows(const std::vector<ScheduleRow>& rows, ScheduleDisplay display,
                            PaymentFrequency repayment) {
    return ColumnPlainRows(rows, ScheduleColumns, ScheduleHeadings(display, repayment));
}

PlainRows TermReductionPlainRows(const std::vector<TermReductionRow>& rows,
                                 std::string_view frequencyWord) {
    return ColumnPlainRows(rows, TermReductionColumns, TermReductionHeadings(frequencyWord));
}

PlainRows GridPlainRows(const LoanGrid& grid) {
    PlainRows plain(static_cast<std::size_t>(grid.rowCount()));
    // The rate headings with a full stop too, so that the whole file reads the
    // same in any locale.
    plain[0].emplace_back(GridCornerText);
    for (const double rate : grid.rates) {
        plain[0].push_back(RateHeadingText(rate, "."));
    }
    for (int gridRow = 1; gridRow < grid.rowCount(); ++gridRow) {
        for (int c = 0; c < GridTableColumns; ++c) {
            plain[gridRow].push_back(PlainNumber(GridCellValue(grid, gridRow, c), GridCellForm(c)));
        }
    }
    return plain;
}

std::string CsvText(const PlainRows& rows) {
    return Joined(rows, ',', CsvField);
}

std::string TabText(const PlainRows& rows) {
    return Joined(rows, '\t', AsIs);
}

}  // namespace corbel
