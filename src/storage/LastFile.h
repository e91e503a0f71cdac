// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corbel {

// The one value the program keeps in the per-user settings store: the path of
// the saved loan file in use when it last closed.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Nothing when no value is stored.
    virtual std::optional<std::string> readCurrentFile() const = 0;
    virtual void writeCurrentFile(const std::string& path) = 0;
};

// What start-up does with the last-file memory.
struct Reopen {
    // CurrentFileName after start-up: the stored value, never the argument's file.
    std::string currentFileName;
    // The file to load, with both file dialogs preset to it; none when neither
    // the argument nor the stored value names an existing file.
    std::optional<std::string> fileToLoad;
};

// `arguments` are the command-line arguments after the program's own name; a
// first argument naming an existing file wins over the stored value.
// `currentFileName` is kept when nothing is stored.
Reopen ReopenLastFile(const std::vector<std::string>& arguments, const SettingsStore& store,
                      const std::string& currentFileName = {});

// Stores CurrentFileName for the next start, also when it is empty.
void RememberCurrentFile(SettingsStore& store, const std::string& currentFileName);

}  // namespace corbel
