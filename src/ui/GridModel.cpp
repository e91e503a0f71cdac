// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/GridModel.h"

#include <QPainter>

#include "ui/Palette.h"
#include "ui/UiContext.h"

namespace corbel::ui {

namespace {

constexpr int Columns = GridTableColumns;
constexpr int RowsBeforeFirstFill = 10;

// A cell in `fill`, or in its counterpart when `palette` is dark.
void PaintFilled(QPainter* painter, const QRect& rect, const QColor& fill, const QPalette& palette,
                 bool bold, const QFont& font, const QString& text) {
    painter->save();
    painter->fillRect(rect, ForPalette(fill, palette));
    QFont f = font;
    f.setBold(bold);
    painter->setFont(f);
    painter->setPen(ForPalette(FillText, palette));
    painter->drawText(rect.adjusted(2, 2, -1, -1), Qt::AlignLeft | Qt::AlignTop, text);
    painter->restore();
}

}  // namespace

GridModel::GridModel(const Regional& regional, QObject* parent)
    : TableModel(parent), regional_(regional) {}

void GridModel::setGrid(LoanGrid grid) {
    beginResetModel();
    grid_ = std::move(grid);
    filled_ = true;
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return filled_ ? grid_.rowCount() - 1 : RowsBeforeFirstFill;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QString GridModel::cellText(int gridRow, int column) const {
    return filled_ ? Q(GridCellText(grid_, gridRow, column, regional_)) : QString();
}

PlainRows GridModel::plainRows() const {
    return filled_ ? GridPlainRows(grid_) : PlainRows();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (index.isValid() && role == Qt::DisplayRole) {
        return cellText(index.row() + 1, index.column());
    }
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return cellText(0, section);
    }
    return TableModel::headerData(section, orientation, role);
}

GridCellFill FillFor(int gridRow, int column, int markedRow) {
    if (gridRow == 0 || column == GridAmountColumn) {
        return GridCellFill::Heading;
    }
    const bool typedRate = column == GridTypedRateColumn;
    const bool typedAmount = gridRow == markedRow;
    if (typedRate && typedAmount) {
        return GridCellFill::Crossing;
    }
    return typedRate || typedAmount ? GridCellFill::Marked : GridCellFill::Ordinary;
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const auto* model = qobject_cast<const GridModel*>(index.model());
    const int gridRow = index.row() + 1;
    const GridCellFill fill = model && model->filled()
                                  ? FillFor(gridRow, index.column(), model->markedRow())
                                  : GridCellFill::Ordinary;
    const QString text = index.data().toString();
    // A selected cell shows as selected, whatever its fill, so a copy shows what it takes.
    if (option.state & QStyle::State_Selected && fill != GridCellFill::Heading) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    switch (fill) {
        case GridCellFill::Heading:
            PaintFilled(painter, option.rect, Silver, option.palette, true, option.font, text);
            break;
        case GridCellFill::Marked:
            PaintFilled(painter, option.rect, Aqua, option.palette, false, option.font, text);
            break;
        case GridCellFill::Crossing:
            PaintFilled(painter, option.rect, ResultBlue, option.palette, false, option.font, text);
            break;
        case GridCellFill::Ordinary:
            QStyledItemDelegate::paint(painter, option, index);
            return;
    }
    // The filled cells are painted here, so they draw the keyboard's place too.
    if (option.state & QStyle::State_HasFocus) {
        painter->save();
        painter->setPen(QPen(ForPalette(FillText, option.palette), 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }
}

GridHeading::GridHeading(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionResizeMode(QHeaderView::Fixed);
    setHighlightSections(false);
    setSectionsClickable(false);
}

void GridHeading::paintSection(QPainter* painter, const QRect& rect, int section) const {
    const QString text =
        model() ? model()->headerData(section, Qt::Horizontal).toString() : QString();
    PaintFilled(painter, rect, Silver, palette(), true, font(), text);
    painter->save();
    painter->setPen(Qt::gray);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

}  // namespace corbel::ui
