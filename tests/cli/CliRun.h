// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace corbel::cli {

// What one call of corbelwright-calc gave back.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun Call(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

// A command in the en_US format with the given options.
inline CliRun Call(const std::string& command, const std::vector<std::string>& options) {
    std::vector<std::string> args = {command, "--locale", "en_US"};
    args.insert(args.end(), options.begin(), options.end());
    return Call(args);
}

}  // namespace corbel::cli
