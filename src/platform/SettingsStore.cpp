// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SettingsStore.h"

#include <QSettings>
#include <QString>

namespace corbel {

namespace {
const QString Organisation = QStringLiteral("Wendle");
const QString Key = QStringLiteral("CWIni/CurrentFile");
const QString Remembered = QStringLiteral("Remembered/");
}  // namespace

std::optional<std::string> QtSettingsStore::readCurrentFile() const {
    const QSettings settings(Organisation);
    if (!settings.contains(Key)) {
        return std::nullopt;
    }
    return settings.value(Key).toString().toStdString();
}

void QtSettingsStore::writeCurrentFile(const std::string& path) {
    QSettings settings(Organisation);
    settings.setValue(Key, QString::fromStdString(path));
    settings.sync();
}

QString QtSettingsStore::recall(const QString& key) const {
    return QSettings(Organisation).value(Remembered + key).toString();
}

void QtSettingsStore::remember(const QString& key, const QString& value) {
    QSettings settings(Organisation);
    settings.setValue(Remembered + key, value);
    settings.sync();
}

}  // namespace corbel
