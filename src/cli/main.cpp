// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <iostream>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

#include "cli/Cli.h"

namespace {

// A standard stream closed at the start would hand its number to the next file
// opened (a PDF being written, say), which would then receive what is meant for
// the stream. /dev/null opened for reading holds the number instead: a write to
// it fails as a write to a closed stream does.
void HoldClosedStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int held = ::open("/dev/null", O_RDONLY);
            if (held >= 0 && held != fd) {
                ::dup2(held, fd);
                ::close(held);
            }
        }
    }
}

// Standard output through a buffer of the program's own, so that the first
// write that fails is known with its reason; later output is then dropped.
class StandardOutput : public std::streambuf {
  public:
    StandardOutput() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

    // Writes what is left and closes the stream, where a write the system
    // deferred fails: the errno of the first failure, or 0.
    int finish() {
        sync();
        if (::close(STDOUT_FILENO) != 0 && error_ == 0) {
            error_ = errno;
        }
        return error_;
    }

  protected:
    int_type overflow(int_type c) override {
        if (!drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return drain() ? 0 : -1; }

  private:
    bool drain() {
        const char* next = pbase();
        while (next < pptr() && error_ == 0) {
            const ssize_t written = ::write(STDOUT_FILENO, next, pptr() - next);
            if (written >= 0) {
                next += written;
            } else if (errno != EINTR) {
                error_ = errno;
            }
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return error_ == 0;
    }

    std::array<char, 1 << 16> buffer_{};
    int error_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    HoldClosedStreams();
    StandardOutput buffer;
    std::ostream out(&buffer);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = corbel::cli::RunCli(args, out, std::cerr);
    // Output that did not arrive is a failure, whatever came before it.
    if (const int error = buffer.finish(); error != 0) {
        std::cerr << corbel::Fill(
                         corbel::msg::CannotWrite,
                         {corbel::msg::StandardOutput, std::generic_category().message(error)})
                  << '\n';
        return status == corbel::cli::ExitOk ? corbel::cli::ExitCheckFailed : status;
    }
    return status;
}
