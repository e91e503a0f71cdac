#include "ui/ScheduleModel.h"

#include <QApplication>
#include <QPalette>

#include "calc/ErrorChecking.h"
#include "ui/UiContext.h"

namespace corbel::ui {

ScheduleModel::ScheduleModel(const Regional& regional, QObject* parent)
    : QAbstractTableModel(parent), regional_(regional) {}

void ScheduleModel::setRows(std::vector<ScheduleRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ScheduleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ScheduleColumnCount;
}

QString ScheduleModel::cellText(int row, int column) const {
    return Q(ScheduleCellText(rows_.at(static_cast<std::size_t>(row)), column, regional_));
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
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
            if (index.column() == 0) {
                return QApplication::palette().button();
            }
            return {};
        default:
            return {};
    }
}

}  // namespace corbel::ui
