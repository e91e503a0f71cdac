// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <ostream>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Frequency.h"
#include "calc/LoanCalculation.h"
#include "calc/Regional.h"
#include "report/PageDevice.h"
#include "report/Reports.h"

namespace corbel::cli {

// Wrong usage: unknown command or option, a missing value, a value not offered.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr int ExitOk = 0;
inline constexpr int ExitCheckFailed = 2;
inline constexpr int ExitUsage = 64;

// One option of a command as the parser and the help know it.
struct OptionSpec {
    std::string_view name;       // with its dashes: "--amount"
    std::string_view valueName;  // what its value is, as the help shows it; empty for a switch
    std::string_view description;
    std::span<const std::string_view> choices = {};  // the values offered, listed in the help
    std::string_view fallback = {};                  // the value when the option is left out
};

// `--pdf FILE`: the command's report, the one its window's Print button prints,
// into FILE as PDF.
inline constexpr OptionSpec PdfOption{
    "--pdf", "FILE", "Also print the report of the window's Print button into FILE as PDF."};
// `--csv`: the command's table as comma-separated lines instead of the text form.
inline constexpr OptionSpec CsvOption{
    "--csv", "",
    "The table as CSV instead of the text form: a heading line, then one line a row; money as "
    "plain numbers with a full stop and two decimals whatever the locale."};

// The options of one call, after the command name.
class Invocation {
  public:
    std::string command;
    std::map<std::string, std::string, std::less<>> values;
    std::set<std::string, std::less<>> flags;

    bool has(std::string_view option) const;
    bool flag(std::string_view option) const { return flags.contains(option); }
    // The option's text; an option left out is an empty field.
    std::string text(std::string_view option) const;
    // The option's text, which must be one of `choices`; `fallback` when left out.
    std::string choice(std::string_view option, std::span<const std::string_view> choices,
                       std::string_view fallback) const;
    bool json() const { return flag("--json"); }
    bool csv() const { return flag(CsvOption.name); }

    // The loan options as the fields they stand for. With annual repayments the
    // windows hide the part-year field, so a part-year text is wrong usage
    // unless the command ignores that field.
    enum class PartYear { Read, Ignored };
    LoanTexts loanTexts(PartYear partYear = PartYear::Read) const;
};

struct Output {
    std::ostream& out;
    std::ostream& err;
    const Regional& regional;
};

struct Command {
    std::string_view name;
    std::string_view summary;         // what it stands for, as its help says
    std::vector<OptionSpec> options;  // besides the loan and output options
    std::string_view example;         // the arguments after the command name
    int (*run)(const Invocation&, const Output&);
    bool inAdvance = true;  // whether --advance is offered
};

// Prints a failed check's message alone on standard error.
int ReportFailure(const Output& output, const Message& failure);

// The text with its control characters escaped (\n, \t, others as \xHH), so
// that an echoed value stays on its line.
std::string Escaped(std::string_view text);

// One "Label: value" line of the text form.
void WriteLine(std::ostream& out, std::string_view label, std::string_view value);

// Prints the report for `--pdf`, if asked. Answers false, with the file's name
// and the reason on standard error, when the file could not be written.
bool PrintPdf(const Invocation& call, const Output& output, const ReportJob& job);

// Runs `corbelwright-calc` with the arguments after the program name.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

extern const Command LoanCommand;
extern const Command WhatIfCommand;
extern const Command ResidualCommand;
extern const Command ScheduleCommand;
extern const Command GridCommand;
extern const Command ReduceCommand;
extern const Command ExtraCommand;

}  // namespace corbel::cli
