// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TableCopy.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

#include "ui/Controls.h"
#include "ui/FileWriting.h"

namespace corbel::ui {

namespace {

constexpr const char* CsvFilter = "CSV Files (*.csv)";
constexpr const char* ExportFolderKey = "ExportFolder";

// Where an export starts: the folder of the last one while it is there, else
// the documents folder.
QString ExportFolder(const UiContext& context) {
    const QString last = Recall(context, ExportFolderKey);
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : DocumentsFolder();
}

}  // namespace

QString SelectedCellsText(const QTableView* view, const PlainRows& rows) {
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        return QString();
    }
    int top = selected.front().row(), bottom = top;
    int left = selected.front().column(), right = left;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    PlainRows block(static_cast<std::size_t>(bottom - top + 1),
                    std::vector<std::string>(static_cast<std::size_t>(right - left + 1)));
    for (const QModelIndex& index : selected) {
        // Model row r is the plain table's row r + 1: its first line is the heading.
        const auto row = static_cast<std::size_t>(index.row() + 1);
        const auto column = static_cast<std::size_t>(index.column());
        if (row < rows.size() && column < rows[row].size()) {
            block[static_cast<std::size_t>(index.row() - top)]
                 [static_cast<std::size_t>(index.column() - left)] = rows[row][column];
        }
    }
    // The whole table pastes as it is exported, under its heading line, so that
    // a spreadsheet still says which column is which.
    const QAbstractItemModel* model = view->model();
    if (!rows.empty() && selected.size() == model->rowCount() * model->columnCount()) {
        block.insert(block.begin(), rows.front());
    }
    return QString::fromStdString(TabText(block));
}

void AllowCopy(QTableView* view, PlainRowsSource rows) {
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    auto* copy = new QAction("Copy", view);
    copy->setObjectName("CopyAction");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    copy->setShortcutVisibleInContextMenu(true);
    QObject::connect(copy, &QAction::triggered, view, [view, rows = std::move(rows)] {
        const QString text = SelectedCellsText(view, rows());
        if (!text.isEmpty()) {
            QApplication::clipboard()->setText(text);
        }
    });
    auto* selectAll = new QAction("Select All", view);
    selectAll->setObjectName("SelectAllAction");
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetShortcut);
    selectAll->setShortcutVisibleInContextMenu(true);
    QObject::connect(selectAll, &QAction::triggered, view, &QAbstractItemView::selectAll);
    view->addActions({copy, selectAll});
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QPushButton* ExportButton(QWidget* window, const UiContext& context, const QString& name,
                          PlainRowsSource rows) {
    auto* button = Named(new QPushButton("Export...", window), "ExportBtn");
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, window,
                     [window, context, name, rows = std::move(rows)] {
                         const auto chosen = context.dialogs.saveFileName(
                             window, {CsvFilter, ExportFolder(context), name, "csv", true});
                         if (!chosen) {
                             return;
                         }
                         Remember(context, ExportFolderKey, QFileInfo(*chosen).absolutePath());
                         QString path = *chosen;
                         if (QFileInfo(path).suffix().isEmpty()) {
                             path += ".csv";
                         }
                         // Written whole or not at all: a failed export leaves an earlier file as
                         // it was.
                         WriteFileOrSay(window, context, path, CsvText(rows()));
                     });
    return button;
}

}  // namespace corbel::ui
