// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/LastFile.h"

#include <filesystem>
#include <system_error>

namespace corbel {

namespace {

// A remembered folder, pipe or device is no saved loan file to open at start-up.
bool IsExistingFile(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_regular_file(path, ignored);
}

// Whether the name stands for anything on the disk, a link to nothing included.
bool NamesSomething(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

std::optional<std::string> FileArgument(const std::vector<std::string>& arguments) {
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (optionsEnded || !argument.starts_with('-') || argument == "-") {
            return argument;
        }
    }
    return std::nullopt;
}

}  // namespace

Reopen ReopenLastFile(const std::vector<std::string>& arguments, const SettingsStore& store,
                      const std::string& currentFileName) {
    Reopen reopen{store.readCurrentFile().value_or(currentFileName), std::nullopt};
    const std::optional<std::string> argument = FileArgument(arguments);
    if (argument && NamesSomething(*argument)) {
        reopen.fileToLoad = argument;
    } else if (IsExistingFile(reopen.currentFileName)) {
        reopen.fileToLoad = reopen.currentFileName;
    }
    return reopen;
}

void RememberCurrentFile(SettingsStore& store, const std::string& currentFileName) {
    store.writeCurrentFile(currentFileName);
}

}  // namespace corbel
