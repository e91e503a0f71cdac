// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corbel {

// The one value the program keeps in the per-user settings store: the path of
// the saved loan file in use when it last closed, as bytes in the file system's
// encoding.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Nothing when no value is stored, or when the store could not be read.
    virtual std::optional<std::string> readCurrentFile() const = 0;
    virtual void writeCurrentFile(const std::string& path) = 0;
    // Why the store could not be read or written, naming its file; empty when
    // nothing failed.
    virtual std::string failure() const { return {}; }
};

// What start-up does with the last-file memory.
struct Reopen {
    // The current file name after start-up: the stored value, never the
    // argument's file.
    std::string currentFileName;
    // The file to load, with both file dialogs preset to it; none when neither
    // the argument nor the stored value names an existing file.
    std::optional<std::string> fileToLoad;
};

// `arguments` are the command-line arguments after the program's own name and
// its options, as bytes in the file system's encoding. The file argument is the
// first that is no option; after "--" every argument is one, so that a name
// starting with a dash opens too. A file argument that names anything (a file,
// a folder, a pipe, a device, a link even to nothing) is the file to load, whose
// failure is then shown; an empty one, or one naming nothing, gives way to the
// stored file. `currentFileName` is kept when nothing is stored.
Reopen ReopenLastFile(const std::vector<std::string>& arguments, const SettingsStore& store,
                      const std::string& currentFileName = {});

// Stores the current file name for the next start, also when it is empty.
void RememberCurrentFile(SettingsStore& store, const std::string& currentFileName);

}  // namespace corbel
