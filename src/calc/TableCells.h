// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "calc/Regional.h"

namespace corbel {

// How the cells of a column are written. Every table the program shows (on
// screen, on paper, on the command line, as CSV or on the clipboard) takes its
// cell texts and values from here, so each reads the same everywhere.
enum class CellForm {
    Count,       // a whole number: a year or a repayment number
    Money,       // the regional money text of the value rounded to cents
    WholeMoney,  // the regional money text without decimals
    CentMoney,   // the regional money text with exactly two decimals
};

// The shown text of a cell holding `value`.
std::string CellText(double value, CellForm form, const Regional& regional);

// The value that a writer of plain numbers (JSON, CSV) takes for the cell: as
// shown, so money rounded to cents where the text is.
double CellValue(double value, CellForm form);

// One column of a table whose rows are `Row`s: its heading, its form and where
// its value comes from.
template <typename Row>
struct TableColumn {
    std::string_view heading;
    CellForm form;
    double (*value)(const Row&);
};

}  // namespace corbel
