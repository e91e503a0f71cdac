// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "storage/LastFile.h"

namespace corbel {

// The last-file memory in QSettings: organisation "Wendle", group "CWIni",
// value "CurrentFile" (the registry under HKEY_CURRENT_USER on Windows, an
// INI file under the user's configuration folder elsewhere).
class QtSettingsStore : public SettingsStore {
  public:
    std::optional<std::string> readCurrentFile() const override;
    void writeCurrentFile(const std::string& path) override;
};

}  // namespace corbel
