// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/RecentFilesMenu.h"

#include <QFileInfo>
#include <QFontMetrics>

namespace corbel::ui {

namespace {

// One file under one name, however it was reached (a start-up argument may be
// relative).
QString Absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

}  // namespace

RecentFilesMenu::RecentFilesMenu(ProgramSettings& settings, QWidget* parent)
    : QMenu("&Recent Files", parent), settings_(settings) {
    setObjectName("RecentFiles1");
    // A long path is shortened in the menu; its tool tip gives it whole.
    setToolTipsVisible(true);
    QStringList stored;
    for (const QString& path : settings_.recentFiles()) {
        if (!path.isEmpty() && !stored.contains(path)) {
            stored << path;
        }
    }
    files_ = stored.mid(0, MaxFiles);
    showEntries(files_);
}

void RecentFilesMenu::add(const QString& path) {
    QStringList files = files_;
    files.removeAll(Absolute(path));
    files.prepend(Absolute(path));
    keep(files.mid(0, MaxFiles));
}

void RecentFilesMenu::remove(const QString& path) {
    QStringList files = files_;
    files.removeAll(Absolute(path));
    keep(files);
}

void RecentFilesMenu::keep(QStringList files) {
    if (files != files_) {
        files_ = std::move(files);
        settings_.rememberRecentFiles(files_);
    }
    showEntries(files_);
}

void RecentFilesMenu::showEntries(const QStringList& files) {
    // The entry chosen may be the one running this: its action goes later.
    for (QAction* old : actions()) {
        removeAction(old);
        old->setObjectName(QString());
        old->deleteLater();
    }
    const int widest = fontMetrics().averageCharWidth() * 60;
    for (int k = 0; k < files.size(); ++k) {
        const QString& path = files[k];
        QString shown = fontMetrics().elidedText(path, Qt::ElideMiddle, widest);
        // An ampersand in a name is no mnemonic.
        const QString number = QString::number(k + 1);
        QAction* entry = addAction("&" + number + " " + shown.replace('&', "&&"));
        entry->setObjectName("RecentFile" + number);
        entry->setToolTip(path);
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    addSeparator();
    QAction* clearAll = addAction("&Clear Recent Files");
    clearAll->setObjectName("ClearRecentFiles1");
    connect(clearAll, &QAction::triggered, this, [this] { keep({}); });
    menuAction()->setEnabled(!files.isEmpty());
}

}  // namespace corbel::ui
