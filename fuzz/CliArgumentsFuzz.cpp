// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any arguments given to corbelwright-calc (the input split at NUL bytes): no
// crash, no hang, no undefined behaviour, and the documented exit statuses,
// with a result on standard output or a reason on standard error.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Cli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t cut = std::min(input.find('\0', start), input.size());
        args.emplace_back(input.substr(start, cut - start));
        start = cut + 1;
    }
    for (const std::string& arg : args) {
        // Printing into a named file is the printer's work, not argument handling,
        // and would litter the disk.
        if (arg.starts_with("--pdf")) {
            return 0;
        }
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = corbel::cli::RunCli(args, out, err);
    if (status == corbel::cli::ExitOk) {
        if (out.str().empty() || !err.str().empty()) {
            std::abort();
        }
    } else if (status == corbel::cli::ExitCheckFailed || status == corbel::cli::ExitUsage) {
        if (err.str().empty()) {
            std::abort();
        }
    } else {
        std::abort();
    }
    return 0;
}
