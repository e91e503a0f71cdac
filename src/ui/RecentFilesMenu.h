// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMenu>
#include <QStringList>

#include "platform/SettingsStore.h"

namespace corbel::ui {

// The File menu's "Recent Files": the loan files opened or saved last, most
// recent first, each once, then "Clear Recent Files". The list is kept in the
// settings at every change, so that the next start offers it.
class RecentFilesMenu : public QMenu {
    Q_OBJECT
  public:
    static constexpr int MaxFiles = 8;

    RecentFilesMenu(ProgramSettings& settings, QWidget* parent);

    // A file opened or saved goes to the top.
    void add(const QString& path);
    void remove(const QString& path);
    QStringList files() const { return files_; }

  signals:
    void chosen(const QString& path);

  private:
    // Keeps the list in the settings when it changed, and shows it.
    void keep(QStringList files);
    void showEntries(const QStringList& files);

    ProgramSettings& settings_;
    QStringList files_;
};

}  // namespace corbel::ui
