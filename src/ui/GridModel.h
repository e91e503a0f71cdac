// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>

#include "calc/LoanGrid.h"
#include "calc/Regional.h"
#include "ui/TableModel.h"

namespace corbel::ui {

// The loan grid as a table: model row r is grid row r + 1 (row 0, the rate
// headings, is the horizontal header); column 0 holds the amounts.
class GridModel : public TableModel {
    Q_OBJECT
  public:
    explicit GridModel(const Regional& regional, QObject* parent = nullptr);

    void setGrid(LoanGrid grid);
    const LoanGrid& grid() const { return grid_; }
    bool filled() const { return filled_; }
    int markedRow() const { return filled_ ? grid_.markedRow : 0; }
    // A cell's text in the grid's own coordinates: row 0 is the headings.
    QString cellText(int gridRow, int column) const;
    PlainRows plainRows() const override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const Regional& regional_;
    LoanGrid grid_;
    bool filled_ = false;
};

// How a grid cell is painted.
enum class GridCellFill {
    Ordinary,  // the window background
    Heading,   // bold on silver: rate headings, amounts, "Amt/Int"
    Marked,    // aqua: the typed rate's column or the typed amount's row
    Crossing   // light blue: where they cross
};
GridCellFill FillFor(int gridRow, int column, int markedRow);

// Paints the cells by their fill.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// The fixed heading row: bold on silver.
class GridHeading : public QHeaderView {
    Q_OBJECT
  public:
    explicit GridHeading(QWidget* parent = nullptr);

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override;
};

}  // namespace corbel::ui
