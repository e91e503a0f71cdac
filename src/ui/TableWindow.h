// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

#include "calc/Checked.h"
#include "calc/LoanCalculation.h"
#include "calc/PlainTable.h"
#include "platform/PrinterDevice.h"
#include "ui/Controls.h"
#include "ui/LoanPage.h"
#include "ui/UiContext.h"

class QAbstractItemModel;
class QLabel;
class QLineEdit;
class QTableView;
class QVBoxLayout;

namespace corbel::ui {

// What sets a table window apart from the others, apart from its fields.
struct TableWindowSetup {
    const char* name;          // the window's given name
    const char* title;         // its title and heading, and the name of its report and export
    TableWindowNames buttons;  // the given names of its buttons
    int helpTopic;
    const char* tableName;          // the table's given name
    bool calculatesBeforePrinting;  // Print and Print Preview run Calculate first
};

// A column of a table with heading panels: the given name of its panel, and
// its width: at least `leastWidth`, and enough for `widest`.
struct ShownColumn {
    const char* headingName;
    int leastWidth;
    QString widest;
};

// The texts as the windows show them.
template <typename Texts>
QStringList ShownTexts(const Texts& texts) {
    QStringList shown;
    for (const auto& text : texts) {
        shown << Q(text);
    }
    return shown;
}

// A table window: its own copy of the Loan page's loan in four fields, its own
// Calculate, a table whose model gives the column headings (headerData), Copy
// and Export of the table, Print and Print Preview of its report, OK and help.
// The frequencies and the timing are read from the Loan page each time it
// calculates. A window built on it gives its fields, its model and columns,
// its fill, its report and its plain rows, and lays them out.
class TableWindow : public QDialog {
    Q_OBJECT
  public:
    // Copies the fields of the Loan page's loan whose checks passed, in the
    // checks' order: amount, term (years and part-year periods), rate.
    void copyLoan(const LoanEntry& loan, LoanCheckStage passed = LoanCheckStage::All);

  protected:
    // Makes the frame (MakeTableWindowFrame, with Export after Print Preview).
    TableWindow(const UiContext& context, LoanOptionsSource options, const TableWindowSetup& setup,
                QWidget* parent);

    // The four loan fields, once the window has made them.
    void setLoanFields(QLineEdit* amount, QLineEdit* rate, QLineEdit* years, QLineEdit* parts);
    // The loan as the fields hold it, with the Loan page's options.
    LoanTexts loanTexts() const;

    // The table over `model`: the last control of the window, as high as the
    // layout makes it and with a row height for the window's font.
    QTableView* makeTable(QAbstractItemModel* model);
    // Fixes the table's columns to `columns` and puts a raised panel, named by
    // the column, over each: the panels show the model's headings, wrapped,
    // and are all as high as the tallest of `everyHeading` needs. Returns the
    // panels over the table, which the window lays out.
    QVBoxLayout* headedTable(const std::vector<ShownColumn>& columns,
                             const std::vector<QStringList>& everyHeading);

    // Calculate: the keyboard goes to the amount, then the table is refilled,
    // or the message of the check that refused the fields is shown.
    bool calculate();
    // Reads the fields and the Loan page's options and refills the table; the
    // message of the check that refused them otherwise.
    virtual Outcome fill() = 0;
    // The report of the window as it stands.
    virtual ReportJob reportJob() const = 0;
    // The table as shown, as plain texts for Copy and Export.
    virtual PlainRows plainRows() const = 0;

    // A note of the window in bold green, wrapped.
    QLabel* note(const char* name, const QString& text);
    // The window's size: the layout's, and at least `clientArea`.
    void fixSize(QSize clientArea);

    const UiContext& context() const { return context_; }
    LoanOptions options() const { return options_(); }
    const TableWindowFrame& frame() const { return frame_; }
    QTableView* table() const { return table_; }

  private:
    UiContext context_;
    LoanOptionsSource options_;
    const char* tableName_;
    TableWindowFrame frame_;
    QLineEdit* amount_ = nullptr;
    QLineEdit* rate_ = nullptr;
    QLineEdit* years_ = nullptr;
    QLineEdit* parts_ = nullptr;
    QTableView* table_ = nullptr;
};

}  // namespace corbel::ui
