// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corbel {

// Paths here are bytes in the file system's encoding, as the system takes them:
// a name that is not valid UTF-8 reaches its file all the same.

// The start of a file: at most the bytes asked for, and whether more follow.
struct FileStart {
    std::string bytes;
    bool more = false;
};

// Reads at most `limit` bytes of the regular file at `path`, so that a huge
// file costs no more than that. Failures carry the system's error text.
std::optional<FileStart> ReadFileStart(const std::string& path, std::size_t limit,
                                       std::string& error);

// Makes `bytes` the whole content of the file at `path`; every file the
// program writes goes through here. A symbolic link is followed, so that the
// file it points to is replaced and the link stays. The bytes go to a new file
// beside the target, renamed over it only when every byte reached the disk;
// the new file takes the earlier one's owner, group and mode. Where a rename
// would lose what the earlier file had (other hard links, an owner or group
// the user cannot give, a folder the user cannot write in), the file is
// rewritten in place instead, once the room for the whole text is reserved.
// Anything but a regular file (or a missing one) is refused. A failure leaves
// an earlier file whole and returns the system's error text.
std::optional<std::string> ReplaceFile(const std::string& path, std::string_view bytes);

// The system's text of an errno value, "File too large" for EFBIG.
std::string SystemErrorText(int error);

}  // namespace corbel
