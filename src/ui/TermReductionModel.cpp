#include "ui/TermReductionModel.h"

#include <QApplication>
#include <QPalette>

#include "ui/UiContext.h"

namespace corbel::ui {

TermReductionModel::TermReductionModel(const Regional& regional, QObject* parent)
    : QAbstractTableModel(parent), regional_(regional) {}

void TermReductionModel::setRows(std::vector<TermReductionRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TermReductionModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TermReductionModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TermReductionColumnCount;
}

QString TermReductionModel::cellText(int row, int column) const {
    return Q(TermReductionCellText(rows_.at(static_cast<std::size_t>(row)), column, regional_));
}

QVariant TermReductionModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return cellText(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            // Column 0, the years, is the grid's fixed column.
            if (index.column() == 0) {
                return QApplication::palette().button();
            }
            return {};
        default:
            return {};
    }
}

}  // namespace corbel::ui
