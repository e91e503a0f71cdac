// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TableWindow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/Palette.h"
#include "ui/ReportPrinting.h"
#include "ui/TableCopy.h"
#include "ui/WindowMemory.h"

namespace corbel::ui {

TableWindow::TableWindow(const UiContext& context, LoanOptionsSource options,
                         const TableWindowSetup& setup, QWidget* parent)
    : QDialog(parent),
      context_(context),
      options_(std::move(options)),
      tableName_(setup.tableName),
      clientArea_(setup.clientArea),
      frame_(
          MakeTableWindowFrame(this, setup.title, setup.buttons, setup.helpTopic, context.help)) {
    setObjectName(setup.name);
    // The window grows to show more rows: maximise too, where the window manager allows.
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    const QString title = setup.title;
    const auto plainRows = [this] { return model_ ? model_->plainRows() : PlainRows(); };
    frame_.buttons->insertWidget(4, ExportButton(this, context_, title + ".csv", plainRows));
    ConnectPrinting(
        this, frame_.print, frame_.preview, context_, title,
        setup.calculatesBeforePrinting ? ReadyToPrint([this] { return calculate(); }) : nullptr,
        [this] { return reportJob(); });
    connect(frame_.calculate, &QPushButton::clicked, this, &TableWindow::calculate);

    const auto& names = setup.loanFields;
    const auto kind = [&](FieldKind sized) { return names.sizedByKind ? sized : field::Free; };
    fields_.amount = InputField(names.amount, kind(field::Amount.anyLength()), this);
    fields_.rate = InputField(names.rate, kind(field::Rate.anyLength()), this);
    fields_.years = InputField(names.years, kind(field::Years.anyLength()), this);
    fields_.parts = InputField(names.parts, kind(field::PartYear.anyLength()), this);
}

void TableWindow::copyLoan(const LoanEntry& loan, LoanCheckStage passed) {
    if (passed >= LoanCheckStage::Amount) {
        fields_.amount->setText(loan.amount);
    }
    if (passed >= LoanCheckStage::Term) {
        fields_.years->setText(loan.years);
        fields_.parts->setText(loan.parts);
    }
    if (passed >= LoanCheckStage::All) {
        fields_.rate->setText(loan.rate);
    }
}

LoanTexts TableWindow::loanTexts() const {
    return fields_.texts(options_());
}

QLabel* TableWindow::note(const char* name, const QString& text) {
    auto* label = Named(new QLabel(text, this), name);
    label->setWordWrap(true);
    MakeBold(label, BoldGreen);
    return label;
}

QTableView* TableWindow::makeTable(TableModel* model) {
    model_ = model;
    table_ = TableView(tableName_, this);
    table_->setAccessibleName(windowTitle());
    table_->setModel(model);
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(std::max(18, fontMetrics().height() + 2));
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    AllowCopy(table_, [model] { return model->plainRows(); });
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->viewport()->installEventFilter(this);
    return table_;
}

QVBoxLayout* TableWindow::headedTable(const std::vector<ShownColumn>& columns,
                                      const std::vector<QStringList>& everyHeading) {
    std::vector<int> widths;
    int tableWidth = 0;
    for (const ShownColumn& column : columns) {
        widths.push_back(
            std::max(column.leastWidth, fontMetrics().horizontalAdvance(column.widest) + 10));
        tableWidth += widths.back();
    }
    const int scrollWidth = table_->verticalScrollBar()->sizeHint().width();
    table_->setMinimumWidth(tableWidth + scrollWidth + 2 * table_->frameWidth());

    // Each panel as wide as its column, all as high as the longest wording needs.
    std::vector<QLabel*> panels;
    int height = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        QLabel* panel = HeadingPanel(columns[c].headingName, QString(), this);
        const int width = widths[c];
        panel->setFixedWidth(width);
        for (const QStringList& headings : everyHeading) {
            panel->setText(headings.value(static_cast<int>(c)));
            height = std::max(height, panel->heightForWidth(width));
        }
        panels.push_back(panel);
    }
    const auto showHeadings = [model = model_, panels] {
        for (std::size_t c = 0; c < panels.size(); ++c) {
            panels[c]->setText(model->headerData(static_cast<int>(c), Qt::Horizontal).toString());
        }
    };
    showHeadings();
    connect(model_, &QAbstractItemModel::headerDataChanged, this, showHeadings);
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [panels](int column, int, int width) {
                if (column < static_cast<int>(panels.size())) {
                    panels[static_cast<std::size_t>(column)]->setFixedWidth(width);
                }
            });
    setColumnWidths(std::move(widths));

    // The panels sit directly on the table.
    auto* headingRow = new QHBoxLayout;
    headingRow->setSpacing(0);
    headingRow->addSpacing(table_->frameWidth());
    for (QLabel* panel : panels) {
        panel->setFixedHeight(height);
        headingRow->addWidget(panel);
    }
    auto* blank = HeadingPanel("Panel8", QString(), this);
    blank->setFixedSize(scrollWidth + table_->frameWidth(), height);
    headingRow->addWidget(blank);
    headingRow->addStretch(1);
    auto* headed = new QVBoxLayout;
    headed->setSpacing(0);
    headed->addLayout(headingRow);
    headed->addWidget(table_, 1);
    return headed;
}

bool TableWindow::calculate() {
    fields_.amount->setFocus();
    if (const Outcome refused = fill()) {
        context_.dialogs.showMessage(this, *refused);
        return false;
    }
    return true;
}

QVBoxLayout* TableWindow::layOutTop(QLayout* fields, QWidget* below, QWidget* beside) {
    auto* left = new QVBoxLayout;
    left->addWidget(frame_.heading);
    left->addLayout(fields);
    if (below) {
        left->addWidget(below);
    }
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    if (beside) {
        top->addWidget(beside, 0, Qt::AlignTop);
    }
    top->addLayout(frame_.buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    return layout;
}

void TableWindow::setColumnWidths(std::vector<int> least) {
    leastWidths_ = std::move(least);
    spreadColumns();
}

void TableWindow::spreadColumns() {
    int least = 0;
    for (const int width : leastWidths_) {
        least += width;
    }
    if (least <= 0) {
        return;
    }
    const int extra = std::max(0, table_->viewport()->width() - least);
    int shared = 0;
    for (std::size_t c = 0; c < leastWidths_.size(); ++c) {
        // The last column takes what the rounding leaves, so that they fill the view.
        const int share =
            c + 1 < leastWidths_.size() ? extra * leastWidths_[c] / least : extra - shared;
        shared += share;
        table_->setColumnWidth(static_cast<int>(c), leastWidths_[c] + share);
    }
}

bool TableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (table_ && watched == table_->viewport() && event->type() == QEvent::Resize) {
        spreadColumns();
    }
    return QDialog::eventFilter(watched, event);
}

void TableWindow::setLeastSize() {
    adjustSize();
    // The least size stays as set here, whatever the grown table's rows ask of the layout.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(sizeHint().expandedTo(clientArea_));
    if (memory_) {
        // Set again by a window built on another: the size given back stays.
        resize(size().expandedTo(minimumSize()));
        return;
    }
    resize(minimumSize());
    memory_ = new WindowMemory(this, context_.settings, WindowKeeps::PlaceAndSize);
}

bool TableWindow::hasPlace() const {
    return memory_ && memory_->hasPlace();
}

}  // namespace corbel::ui
