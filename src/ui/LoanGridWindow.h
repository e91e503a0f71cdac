// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <array>

#include "calc/LoanCalculation.h"
#include "calc/LoanGrid.h"
#include "platform/PrinterDevice.h"
#include "ui/LoanPage.h"
#include "ui/UiContext.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpacerItem;
class QTableView;
class QToolButton;

namespace corbel::ui {

class GridModel;

// The loan grid window: repayments over a run of amounts and seven rates around
// the loan, its own copy of the loan and step choices, and its own Calculate.
class LoanGridWindow : public QDialog {
    Q_OBJECT
  public:
    LoanGridWindow(const UiContext& context, LoanOptionsSource options, QWidget* parent = nullptr);

    GridModel* model() const { return model_; }

    // Reads the window's fields, the steps and the Loan page's options, and refills
    // the grid; the fields must have passed their checks.
    void FillLoanGrid();
    // Copies the fields of `loan` whose checks passed, in the checks' order.
    void copyLoan(const LoanEntry& loan, LoanCheckStage passed);
    void SpeedButton1Click();
    // The print dialog, then the grid report of the window as it stands.
    void BitBtn1Click();
    void PreviewBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The report of the window as it stands.
    ReportJob reportJob() const;
    QLabel* HeadingLabel;
    QPushButton* SpeedButton1;  // Calculate
    QPushButton* SpeedButton2;  // OK
    QPushButton* BitBtn1;       // Print
    QPushButton* PreviewBtn;    // Print Preview
    QToolButton* BitBtn2;       // the help button (topic 3)
    QLineEdit* MAmt;
    QLineEdit* InterestR;
    QLineEdit* Years;
    QLineEdit* Partyear;
    QLabel* Label7;  // "Month", beside the part-year field
    QComboBox* AmountStep;
    QComboBox* InterestStep;
    QLabel* Label8;     // the green note
    QTableView* MGrid;  // the grid of repayments
    LoanTexts fieldTexts() const;
    Checked<LoanGrid> computeGrid() const;
    void showGrid(const LoanGrid& grid);
    void scrollToTopRow();
    void fitColumns();
    // The grid's height for its rows, and for the sideways scroll bar when asked.
    void fitGridHeight(bool sidewaysScrollBar);
    int cellWidth(const QString& text) const;
    int amountStep() const;
    double interestStep() const;

    UiContext context_;
    LoanOptionsSource options_;
    GridModel* model_;
    std::array<int, GridTableColumns> usualWidths_{};
    int topRow_ = -1;                 // the model row the fill scrolled to the top, if any
    QSpacerItem* barRoom_ = nullptr;  // below the grid, as high as its hidden scroll bar
};

}  // namespace corbel::ui
