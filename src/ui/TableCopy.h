// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "calc/PlainTable.h"
#include "ui/UiContext.h"

class QPushButton;
class QTableView;
class QWidget;

namespace corbel::ui {

// The table a window shows as plain texts: its heading line, then one line for
// each row of the view's model.
using PlainRowsSource = std::function<PlainRows()>;

// Ctrl+C and the view's context menu "Copy" put the selected cells on the
// clipboard as tab-separated plain numbers, so they paste into a spreadsheet
// as cells; Ctrl+A and "Select All" select every cell.
void AllowCopy(QTableView* view, PlainRowsSource rows);

// The selected cells of `view` as tab-separated lines; cells of the selection's
// rectangle that are not selected stay empty. Every cell selected, the heading
// line comes first.
QString SelectedCellsText(const QTableView* view, const PlainRows& rows);

// "Export..." beside a table's Print: writes the whole table as a CSV file the
// user names; a file that cannot be written is shown and nothing else changes.
// The dialog suggests `name` ("Loan Grid.csv") in the folder of the last
// export, else in the documents folder, and asks before replacing a file.
QPushButton* ExportButton(QWidget* window, const UiContext& context, const QString& name,
                          PlainRowsSource rows);

}  // namespace corbel::ui
