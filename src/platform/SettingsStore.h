// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "storage/LastFile.h"

namespace corbel {

// The per-user settings of the program: the last-file memory, and the choices
// the windows remember from one run to the next (the folder of the last export,
// the file each report was last printed to).
class ProgramSettings : public SettingsStore {
  public:
    // The value remembered under `key`; empty when there is none.
    virtual QString recall(const QString& key) const = 0;
    virtual void remember(const QString& key, const QString& value) = 0;
    // The loan files opened or saved last, most recent first.
    virtual QStringList recentFiles() const = 0;
    virtual void rememberRecentFiles(const QStringList& files) = 0;
};

// The settings in QSettings, organisation "Wendle": the last-file memory as the
// value "CurrentFile" of group "CWIni" (the registry under HKEY_CURRENT_USER on
// Windows, an INI file under the user's configuration folder elsewhere), the
// windows' choices in group "Remembered", the recent files as the list
// "RecentFiles" (one "File" an entry). A settings file that is not a regular
// file (a pipe would hold the program up for ever) is neither read nor written,
// and failure() says so.
class QtSettingsStore : public ProgramSettings {
  public:
    std::optional<std::string> readCurrentFile() const override;
    void writeCurrentFile(const std::string& path) override;
    std::string failure() const override { return failure_; }
    QString recall(const QString& key) const override;
    void remember(const QString& key, const QString& value) override;
    QStringList recentFiles() const override;
    void rememberRecentFiles(const QStringList& files) override;

  private:
    // Whether the settings file may be opened; otherwise failure_ says why.
    bool usable(std::string_view action) const;

    mutable std::string failure_;
};

}  // namespace corbel
