#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "calc/AdditionalPayments.h"
#include "calc/Regional.h"

namespace corbel::ui {

// The additional payments table's rows; cells are formatted only when shown or
// printed.
class TermReductionModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TermReductionModel(const Regional& regional, QObject* parent = nullptr);

    void setRows(std::vector<TermReductionRow> rows);
    const std::vector<TermReductionRow>& rows() const { return rows_; }
    // The text of a cell as the grid shows it.
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const Regional& regional_;
    std::vector<TermReductionRow> rows_;
};

}  // namespace corbel::ui
