// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "calc/LoanGrid.h"
#include "ui/TableWindow.h"

class QComboBox;
class QSpacerItem;

namespace corbel::ui {

class GridModel;

// The loan grid window: repayments over a run of amounts and seven rates around
// the loan, with its own choice of the two steps.
class LoanGridWindow : public TableWindow {
    Q_OBJECT
  public:
    LoanGridWindow(const UiContext& context, LoanOptionsSource options, QWidget* parent = nullptr);

    GridModel* model() const { return model_; }

    // Reads the window's fields, the steps and the Loan page's options, and refills
    // the grid; the fields must have passed their checks.
    void FillLoanGrid() { fill(); }

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    Outcome fill() override;
    ReportJob reportJob() const override;
    void scrollToTopRow();
    // Widens a column whose texts the usual width does not hold.
    void fitColumns();
    // The grid's height for the whole rows the window has room for, and for
    // the sideways scroll bar when its columns are wider than it.
    void fitGridHeight();
    int cellWidth(const QString& text) const;
    int amountStep() const;
    double interestStep() const;

    GridModel* model_;
    QComboBox* amountSteps_;    // "AmountStep"
    QComboBox* interestSteps_;  // "InterestStep"
    std::array<int, GridTableColumns> usualWidths_{};
    int usualWidth_ = 0;              // the usual widths together
    int columnsWidth_ = 0;            // the columns' widths together, as the texts need
    int topRow_ = -1;                 // the model row the fill scrolled to the top, if any
    QSpacerItem* barRoom_ = nullptr;  // below the grid, as high as its hidden scroll bar
};

}  // namespace corbel::ui
