// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

#include "calc/Messages.h"

namespace corbel {

namespace {
const QString Organisation = QStringLiteral("Wendle");
const QString Key = QStringLiteral("CWIni/CurrentFile");
const QString Remembered = QStringLiteral("Remembered/");
const QString RecentFiles = QStringLiteral("RecentFiles");
const QString RecentFile = QStringLiteral("File");

// The file QSettings keeps the organisation's values in, found without QSettings,
// which would open it; empty where the values are kept in no file of the user's.
QString SettingsFile() {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return {};
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
           Organisation + ".conf";
#endif
}
}  // namespace

bool QtSettingsStore::usable(std::string_view action) const {
    const QString file = SettingsFile();
    const QFileInfo info(file);
    if (file.isEmpty() || !info.exists() || info.isFile()) {
        return true;
    }
    // A failure to read stays the one shown; writing meets the same file.
    if (failure_.empty()) {
        failure_ = Fill(action, {file.toStdString(), msg::NotAFile});
    }
    return false;
}

std::optional<std::string> QtSettingsStore::readCurrentFile() const {
    if (!usable(msg::CouldNotOpen)) {
        return std::nullopt;
    }
    const QSettings settings(Organisation);
    if (!settings.contains(Key)) {
        return std::nullopt;
    }
    return QFile::encodeName(settings.value(Key).toString()).toStdString();
}

void QtSettingsStore::writeCurrentFile(const std::string& path) {
    if (!usable(msg::CouldNotWrite)) {
        return;
    }
    QSettings settings(Organisation);
    settings.setValue(Key, QFile::decodeName(QByteArray::fromStdString(path)));
    settings.sync();
}

QString QtSettingsStore::recall(const QString& key) const {
    if (!usable(msg::CouldNotOpen)) {
        return {};
    }
    return QSettings(Organisation).value(Remembered + key).toString();
}

void QtSettingsStore::remember(const QString& key, const QString& value) {
    if (!usable(msg::CouldNotWrite)) {
        return;
    }
    QSettings settings(Organisation);
    settings.setValue(Remembered + key, value);
    settings.sync();
}

QStringList QtSettingsStore::recentFiles() const {
    if (!usable(msg::CouldNotOpen)) {
        return {};
    }
    QSettings settings(Organisation);
    QStringList files;
    const int count = settings.beginReadArray(RecentFiles);
    for (int k = 0; k < count; ++k) {
        settings.setArrayIndex(k);
        files << settings.value(RecentFile).toString();
    }
    settings.endArray();
    return files;
}

void QtSettingsStore::rememberRecentFiles(const QStringList& files) {
    if (!usable(msg::CouldNotWrite)) {
        return;
    }
    QSettings settings(Organisation);
    // A shorter list leaves no entries of the longer one behind.
    settings.remove(RecentFiles);
    settings.beginWriteArray(RecentFiles, static_cast<int>(files.size()));
    for (int k = 0; k < files.size(); ++k) {
        settings.setArrayIndex(k);
        settings.setValue(RecentFile, files[k]);
    }
    settings.endArray();
    settings.sync();
}

}  // namespace corbel
