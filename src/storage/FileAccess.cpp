// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "calc/Messages.h"

namespace corbel {

namespace {

// Closes the descriptor on every path out of a function.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes now, reporting the error a deferred write may surface only here.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A name in the target's folder that no other file has: the rename then stays
// within one file system and is atomic.
int CreateBeside(const std::filesystem::path& target, std::string& tempPath) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    for (int attempt = 0;; ++attempt) {
        tempPath = (folder / (".corbelwright-" + std::to_string(::getpid()) + "-" +
                              std::to_string(attempt) + ".tmp"))
                       .string();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST || attempt == 99) {
            return fd;
        }
    }
}

}  // namespace

std::string SystemErrorText(int error) {
    return std::generic_category().message(error);
}

std::optional<FileStart> ReadFileStart(const std::string& path, std::size_t limit,
                                       std::string& error) {
    // Non-blocking, so that a pipe's name cannot hold the program up at open.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        error = SystemErrorText(errno);
        return std::nullopt;
    }
    if (S_ISDIR(info.st_mode)) {
        error = SystemErrorText(EISDIR);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        error = std::string(msg::NotAFile);
        return std::nullopt;
    }
    FileStart start;
    start.bytes.resize(limit + 1);
    std::size_t have = 0;
    while (have < start.bytes.size()) {
        const ssize_t got = ::read(fd.get(), start.bytes.data() + have, start.bytes.size() - have);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = SystemErrorText(errno);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        have += static_cast<std::size_t>(got);
    }
    start.more = have > limit;
    start.bytes.resize(have > limit ? limit : have);
    return start;
}

std::optional<std::string> ReplaceFile(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target(path);
    // A file the user may not write stays as it is, as an in-place write would.
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return SystemErrorText(EISDIR);
    }
    if (exists && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        return SystemErrorText(errno);
    }
    std::string tempPath;
    Descriptor fd(CreateBeside(target, tempPath));
    if (fd.get() < 0) {
        return SystemErrorText(errno);
    }
    const bool written = (!exists || ::fchmod(fd.get(), existing.st_mode & 07777) == 0) &&
                         WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && fd.close() == 0 &&
                         ::rename(tempPath.c_str(), path.c_str()) == 0;
    if (!written) {
        const int error = errno;
        ::unlink(tempPath.c_str());
        return SystemErrorText(error);
    }
    // The new name itself reaches the disk with its folder.
    Descriptor folder(::open(
        (target.has_parent_path() ? target.parent_path().string() : std::string(".")).c_str(),
        O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) {
        ::fsync(folder.get());
    }
    return std::nullopt;
}

}  // namespace corbel
