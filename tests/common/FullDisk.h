// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace corbel::test {

// A small tmpfs of its own, to be filled up: a full disk for a test. Mounting
// needs the right to (root, or CAP_SYS_ADMIN); where it is missing, failure()
// says why and the test is skipped.
class FullDisk {
  public:
    explicit FullDisk(const std::string& under) {
        std::string pattern = under + "/cw-disk-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            failure_ = std::strerror(errno);
            return;
        }
        path_ = pattern;
        if (::mount("tmpfs", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") != 0) {
            failure_ =
                "mounting a tmpfs is not allowed here (" + std::string(std::strerror(errno)) + ")";
        }
    }
    ~FullDisk() {
        if (failure_.empty()) {
            ::umount2(path_.c_str(), MNT_DETACH);
        }
        if (!path_.empty()) {
            ::rmdir(path_.c_str());
        }
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // Empty when the disk is there.
    const std::string& failure() const { return failure_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Fills the disk with a file of its own until nothing is left.
    void fill() const {
        const int fd = ::open((path_ + "/filler").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        ::close(fd);
    }

  private:
    std::string path_;
    std::string failure_;
};

}  // namespace corbel::test
