// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>

#include "calc/PlainTable.h"

namespace corbel::ui {

// A table a window shows: its cells, its column headings (headerData) and the
// whole table as plain texts, which Copy and Export take.
class TableModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // The headings, then one line a row, as shown.
    virtual PlainRows plainRows() const = 0;
};

}  // namespace corbel::ui
