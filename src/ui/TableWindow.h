// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <vector>

#include "calc/Checked.h"
#include "calc/LoanCalculation.h"
#include "calc/PlainTable.h"
#include "platform/PrinterDevice.h"
#include "ui/Controls.h"
#include "ui/LoanPage.h"
#include "ui/TableModel.h"
#include "ui/UiContext.h"

class QLayout;

namespace corbel::ui {

class WindowMemory;

// What sets a table window apart from the others.
struct TableWindowSetup {
    const char* name;   // the window's given name
    const char* title;  // its title and heading; its report's and export's name
    int helpTopic;
    QSize clientArea;               // the window's least size, at which it first opens
    bool calculatesBeforePrinting;  // Print and Print Preview run Calculate first
    TableWindowNames buttons;       // the given names of the heading and the buttons
    // The given names of the amount, rate, years and part-year fields, and
    // whether they are as wide as their kind (else as the layout makes them).
    struct LoanFieldNames {
        const char* amount;
        const char* rate;
        const char* years;
        const char* parts;
        bool sizedByKind;
    } loanFields;
    const char* tableName;  // the table's given name
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
// Calculate, a table whose model gives the column headings (headerData) and
// the plain texts for Copy and Export, Print and Print Preview of its report,
// OK and help. The frequencies and the timing are read from the Loan page each
// time it calculates. A window built on it gives its setup, its model and
// columns, its fill and its report, and lays them out. It can be made larger
// than its least size (the table shows more rows, its columns share the
// width) and opens at the size and place it was last closed at.
class TableWindow : public QDialog {
    Q_OBJECT
  public:
    // Copies the fields of the Loan page's loan whose checks passed, in the
    // checks' order: amount, term (years and part-year periods), rate.
    void copyLoan(const LoanEntry& loan, LoanCheckStage passed = LoanCheckStage::All);

  protected:
    // Makes the frame (MakeTableWindowFrame, with Export after Print Preview)
    // and the four loan fields.
    TableWindow(const UiContext& context, LoanOptionsSource options, const TableWindowSetup& setup,
                QWidget* parent);

    // The loan as the fields hold it, with the Loan page's options.
    LoanTexts loanTexts() const;

    // The table over `model`: the last control of the window, with a row height
    // for the window's font.
    QTableView* makeTable(TableModel* model);
    // Gives the table's columns `columns`' widths and puts a raised panel,
    // named by the column, over each: the panels show the model's headings,
    // wrapped, are all as high as the tallest of `everyHeading` needs, and stay
    // as wide as their columns. Returns the panels over the table, which the
    // window lays out.
    QVBoxLayout* headedTable(const std::vector<ShownColumn>& columns,
                             const std::vector<QStringList>& everyHeading);
    // A note of the window in bold green, wrapped.
    QLabel* note(const char* name, const QString& text);
    // The window's layout with its top row: the heading over `fields` (and
    // over `below`, when given) on the left, then `beside`, when given, then
    // the button column. The window adds what stands under it.
    QVBoxLayout* layOutTop(QLayout* fields, QWidget* below = nullptr, QWidget* beside = nullptr);
    // Each column at least as wide as `least`; a view wider than they need
    // shares the rest among them in proportion to those widths.
    void setColumnWidths(std::vector<int> least);
    // Sets the window's least size: the layout's, and at least the setup's.
    // The window takes it, or the size and place it was last closed at; set
    // again, the window keeps its size unless the least size outgrew it.
    void setLeastSize();
    // Whether the window opens at a place of its own (see WindowMemory).
    bool hasPlace() const;

    // Calculate: the keyboard goes to the amount, then the table is refilled,
    // or the message of the check that refused the fields is shown.
    bool calculate();
    // Reads the fields and the Loan page's options and refills the table; the
    // message of the check that refused them otherwise.
    virtual Outcome fill() = 0;
    // The report of the window as it stands.
    virtual ReportJob reportJob() const = 0;

    const UiContext& context() const { return context_; }
    LoanOptions options() const { return options_(); }
    const TableWindowFrame& frame() const { return frame_; }
    QTableView* table() const { return table_; }
    const LoanFields& loanFields() const { return fields_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void spreadColumns();

    UiContext context_;
    LoanOptionsSource options_;
    const char* tableName_;
    QSize clientArea_;
    TableWindowFrame frame_;
    LoanFields fields_;
    TableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    std::vector<int> leastWidths_;
    WindowMemory* memory_ = nullptr;
};

}  // namespace corbel::ui
