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

// Writes every byte from the start of the file, over what is there.
bool WriteAllAt(int fd, std::string_view bytes) {
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// The file a name stands for: each symbolic link replaced by what it points to
// (relative to the link's own folder), a dangling one by the file it would name.
std::optional<std::string> FollowLinks(std::string path, int& error) {
    // As many links as the system itself follows before giving up.
    constexpr int MaxLinks = 40;
    for (int followed = 0; followed <= MaxLinks; ++followed) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno == ENOENT) {
                return path;
            }
            error = errno;
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) {
            return path;
        }
        std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size()) {
            error = length < 0 ? errno : EIO;
            return std::nullopt;
        }
        target.resize(static_cast<std::size_t>(length));
        const std::filesystem::path next(target);
        path = next.is_absolute() ? target : (FolderOf(path) / next).string();
    }
    error = ELOOP;
    return std::nullopt;
}

// A name in the target's folder that no other file has: the rename then stays
// within one file system and is atomic.
int CreateBeside(const std::filesystem::path& target, std::string& tempPath) {
    for (int attempt = 0;; ++attempt) {
        tempPath = (FolderOf(target) / (".corbelwright-" + std::to_string(::getpid()) + "-" +
                                        std::to_string(attempt) + ".tmp"))
                       .string();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST || attempt == 99) {
            return fd;
        }
    }
}

// Gives the new file the earlier one's owner, group and mode; false where the
// user may not give it them (another user's file, a group the user is not in).
bool TakeOwnership(int fd, const struct stat& earlier) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) {
        return false;
    }
    if ((now.st_uid != earlier.st_uid || now.st_gid != earlier.st_gid) &&
        ::fchown(fd, earlier.st_uid, earlier.st_gid) != 0) {
        return false;
    }
    // After the owner: a change of owner clears the set-id bits.
    return ::fchmod(fd, earlier.st_mode & 07777) == 0;
}

// Rewrites the file itself, which keeps its owner, group, mode and every other
// name it has. The whole text is at hand before the first byte changes, and
// the room for it is reserved first, so that a full disk leaves the earlier
// content as it was.
std::optional<std::string> WriteInPlace(const std::string& path, std::string_view bytes) {
    // Not blocking: a pipe put in the file's place fails here instead of waiting.
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        return SystemErrorText(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return std::string(msg::NotAFile);
    }
    const auto size = static_cast<off_t>(bytes.size());
    if (size > info.st_size) {
        if (const int error = ::posix_fallocate(fd.get(), 0, size); error != 0) {
            // A reservation cut short may have lengthened the file.
            (void)::ftruncate(fd.get(), info.st_size);
            return SystemErrorText(error);
        }
    }
    if (!WriteAllAt(fd.get(), bytes) || ::ftruncate(fd.get(), size) != 0 ||
        ::fsync(fd.get()) != 0 || fd.close() != 0) {
        return SystemErrorText(errno);
    }
    return std::nullopt;
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

std::optional<std::string> ReplaceFile(const std::string& name, std::string_view bytes) {
    int error = 0;
    const std::optional<std::string> path = FollowLinks(name, error);
    if (!path) {
        return SystemErrorText(error);
    }
    struct stat earlier {};
    const bool exists = ::stat(path->c_str(), &earlier) == 0;
    if (exists && S_ISDIR(earlier.st_mode)) {
        return SystemErrorText(EISDIR);
    }
    if (exists && !S_ISREG(earlier.st_mode)) {
        return std::string(msg::NotAFile);
    }
    // A file the user may not write stays as it is, as an in-place write would.
    if (exists && ::faccessat(AT_FDCWD, path->c_str(), W_OK, AT_EACCESS) != 0) {
        return SystemErrorText(errno);
    }
    // A rename would part the file from its other names.
    if (exists && earlier.st_nlink > 1) {
        return WriteInPlace(*path, bytes);
    }
    std::string tempPath;
    Descriptor fd(CreateBeside(*path, tempPath));
    if (fd.get() < 0) {
        if (exists && (errno == EACCES || errno == EPERM)) {
            return WriteInPlace(*path, bytes);
        }
        return SystemErrorText(errno);
    }
    if (exists && !TakeOwnership(fd.get(), earlier)) {
        fd.close();
        ::unlink(tempPath.c_str());
        return WriteInPlace(*path, bytes);
    }
    const bool written = WriteAllAt(fd.get(), bytes) && ::fsync(fd.get()) == 0 && fd.close() == 0 &&
                         ::rename(tempPath.c_str(), path->c_str()) == 0;
    if (!written) {
        const int failure = errno;
        ::unlink(tempPath.c_str());
        return SystemErrorText(failure);
    }
    // The new name itself reaches the disk with its folder.
    Descriptor folder(::open(FolderOf(*path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) {
        ::fsync(folder.get());
    }
    return std::nullopt;
}

}  // namespace corbel
