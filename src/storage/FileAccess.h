// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corbel {

// The start of a file: at most the bytes asked for, and whether more follow.
struct FileStart {
    std::string bytes;
    bool more = false;
};

// Reads at most `limit` bytes of the regular file at `path` (UTF-8), so that a
// huge file costs no more than that. Failures carry the system's error text.
std::optional<FileStart> ReadFileStart(const std::string& path, std::size_t limit,
                                       std::string& error);

// Writes `bytes` to a new file beside `path` and renames it over `path` only
// when every byte reached the disk, so that a failure leaves an earlier file
// whole. Returns the system's error text of a failure.
std::optional<std::string> ReplaceFile(const std::string& path, std::string_view bytes);

// The system's text of an errno value, "File too large" for EFBIG.
std::string SystemErrorText(int error);

}  // namespace corbel
