// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QPalette>
#include <QStringList>
#include <span>
#include <string>
#include <vector>

#include "calc/AdditionalPayments.h"
#include "calc/LoanSchedule.h"
#include "calc/Regional.h"
#include "calc/TableCells.h"
#include "ui/TableModel.h"
#include "ui/UiContext.h"

namespace corbel::ui {

// A table the program shows, one computed row a line, for a view: the cells come
// from the table's column definition and are formatted only when shown or
// printed, so the longest schedule costs nothing until looked at. The window
// gives the headings, which follow the repayment frequency.
template <typename Row>
class RowsTableModel : public TableModel {
  public:
    RowsTableModel(const Regional& regional, std::span<const TableColumn<Row>> columns,
                   QObject* parent = nullptr)
        : TableModel(parent), regional_(regional), columns_(columns) {}

    void setRows(std::vector<Row> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    const std::vector<Row>& rows() const { return rows_; }
    // The column headings, one a column.
    void setHeadings(QStringList headings) {
        headings_ = std::move(headings);
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }

    // The text of a cell as the grid shows it.
    QString cellText(int row, int column) const {
        const TableColumn<Row>& shown = columns_[static_cast<std::size_t>(column)];
        return Q(
            CellText(shown.value(rows_.at(static_cast<std::size_t>(row))), shown.form, regional_));
    }

    PlainRows plainRows() const override {
        std::vector<std::string> headings;
        for (const QString& heading : headings_) {
            headings.push_back(heading.toStdString());
        }
        return ColumnPlainRows(rows_, columns_, headings);
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns_.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole &&
            section < headings_.size()) {
            return headings_[section];
        }
        return TableModel::headerData(section, orientation, role);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) {
            return {};
        }
        switch (role) {
            case Qt::DisplayRole:
                return cellText(index.row(), index.column());
            case Qt::TextAlignmentRole:
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            case Qt::BackgroundRole:
                // Column 0 is the grid's fixed column.
                return index.column() == 0 ? QVariant(QApplication::palette().button())
                                           : QVariant();
            default:
                return {};
        }
    }

  private:
    const Regional& regional_;
    std::span<const TableColumn<Row>> columns_;
    QStringList headings_;
    std::vector<Row> rows_;
};

using ScheduleModel = RowsTableModel<ScheduleRow>;
using TermReductionModel = RowsTableModel<TermReductionRow>;

}  // namespace corbel::ui
