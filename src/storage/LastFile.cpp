// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/LastFile.h"

#include <filesystem>
#include <system_error>

namespace corbel {

namespace {

// A folder, a pipe or a device is no saved loan file to open at start-up.
bool IsExistingFile(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_regular_file(path, ignored);
}

}  // namespace

Reopen ReopenLastFile(const std::vector<std::string>& arguments, const SettingsStore& store,
                      const std::string& currentFileName) {
    Reopen reopen{store.readCurrentFile().value_or(currentFileName), std::nullopt};
    if (!arguments.empty() && IsExistingFile(arguments.front())) {
        reopen.fileToLoad = arguments.front();
    } else if (IsExistingFile(reopen.currentFileName)) {
        reopen.fileToLoad = reopen.currentFileName;
    }
    return reopen;
}

void RememberCurrentFile(SettingsStore& store, const std::string& currentFileName) {
    store.writeCurrentFile(currentFileName);
}

}  // namespace corbel
