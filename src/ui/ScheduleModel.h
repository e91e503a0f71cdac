#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "calc/LoanSchedule.h"
#include "calc/Regional.h"

namespace corbel::ui {

// The schedule rows as a table; cells are formatted only when shown or printed.
class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ScheduleModel(const Regional& regional, QObject* parent = nullptr);

    void setRows(std::vector<ScheduleRow> rows);
    const std::vector<ScheduleRow>& rows() const { return rows_; }
    // The text of a cell as the grid shows it.
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const Regional& regional_;
    std::vector<ScheduleRow> rows_;
};

}  // namespace corbel::ui
