#pragma once

#include <map>
#include <ostream>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "calc/LoanCalculation.h"
#include "calc/Regional.h"
#include "platform/PrinterDevice.h"
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
    std::vector<std::string_view> valueOptions;  // besides the loan and output options
    std::vector<std::string_view> flagOptions;
    int (*run)(const Invocation&, const Output&);
};

// Prints a failed check's message alone on standard error.
int ReportFailure(const Output& output, const Message& failure);

// The text with its control characters escaped (\n, \t, others as \xHH), so
// that an echoed value stays on its line.
std::string Escaped(std::string_view text);

// One "Label: value" line of the text form.
void WriteLine(std::ostream& out, std::string_view label, std::string_view value);

// `--pdf FILE`: the command's report, the one its window's Print button prints,
// into FILE as PDF. Answers false, with the printer's message on standard error,
// when the file could not be printed.
inline constexpr std::string_view PdfOption = "--pdf";
bool PrintPdf(const Invocation& call, const Output& output, const ReportJob& job);

// The loan above a table report as the window shows it: its four fields, the
// part-year unit of the repayments and the Loan page's repayment and timing.
report::TableLoan ReportLoan(const LoanTexts& texts);

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
