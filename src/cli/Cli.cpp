#include "cli/Cli.h"

#include <array>
#include <cstdio>
#include <memory>

#include "platform/LocaleRegional.h"

namespace corbel::cli {

namespace {

const Command* const Commands[] = {
    &LoanCommand, &WhatIfCommand, &ResidualCommand, &ScheduleCommand,
    &GridCommand, &ReduceCommand, &ExtraCommand,
};

const std::vector<std::string_view> LoanValueOptions = {
    "--amount", "--rate", "--years", "--parts", "--repayment", "--compounding", "--locale"};
const std::vector<std::string_view> CommonFlags = {"--advance", "--json"};

std::string Usage() {
    std::string names;
    for (const Command* command : Commands) {
        names += (names.empty() ? "" : ", ") + std::string(command->name);
    }
    return "usage: corbelwright-calc COMMAND [OPTIONS]\n"
           "commands: " +
           names +
           "\n"
           "loan options: --amount TEXT --rate TEXT --years TEXT --parts TEXT\n"
           "              --repayment LABEL --compounding LABEL --advance\n"
           "output options: --json --locale NAME --pdf FILE (loan, schedule, grid, reduce,\n"
           "                residual)\n"
           "see the README for each command's own options\n";
}

bool Contains(const std::vector<std::string_view>& list, std::string_view item) {
    for (const auto& entry : list) {
        if (entry == item) {
            return true;
        }
    }
    return false;
}

const Command& FindCommand(std::string_view name) {
    for (const Command* command : Commands) {
        if (command->name == name) {
            return *command;
        }
    }
    throw UsageError("unknown command '" + std::string(name) + "'");
}

bool IsFlag(const Command& command, std::string_view arg) {
    return Contains(CommonFlags, arg) || Contains(command.flagOptions, arg);
}

bool TakesValue(const Command& command, std::string_view arg) {
    return Contains(LoanValueOptions, arg) || Contains(command.valueOptions, arg);
}

Invocation Parse(std::span<const std::string> args, const Command*& command) {
    if (args.empty()) {
        throw UsageError("no command given");
    }
    Invocation call;
    call.command = args[0];
    command = &FindCommand(call.command);
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (IsFlag(*command, arg)) {
            call.flags.insert(arg);
        } else if (TakesValue(*command, arg)) {
            // "--years --json" forgot the years; "--rate -5" is a value all the same.
            if (k + 1 >= args.size() || IsFlag(*command, args[k + 1]) ||
                TakesValue(*command, args[k + 1])) {
                throw UsageError("option " + arg + " needs a value");
            }
            call.values[arg] = args[++k];
        } else {
            throw UsageError("unknown option '" + arg + "' for " + call.command);
        }
    }
    return call;
}

std::unique_ptr<LocaleRegional> MakeRegional(const Invocation& call) {
    if (!call.has("--locale")) {
        return std::make_unique<LocaleRegional>(LocaleRegional::system());
    }
    const std::string name = call.text("--locale");
    const QLocale locale(QString::fromStdString(name));
    if (locale.language() == QLocale::C && name != "C" && name != "POSIX") {
        throw UsageError("unknown locale '" + name + "'");
    }
    return std::make_unique<LocaleRegional>(locale);
}

PaymentFrequency FrequencyOption(const Invocation& call, std::string_view option) {
    if (!call.has(option)) {
        return DefaultFrequency;
    }
    const std::string label = call.text(option);
    if (auto frequency = FrequencyFromLabel(label)) {
        return *frequency;
    }
    throw UsageError("'" + label + "' is not a frequency for " + std::string(option) + " (" +
                     LabelList() + ")");
}

}  // namespace

bool Invocation::has(std::string_view option) const {
    return values.find(option) != values.end();
}

std::string Invocation::text(std::string_view option) const {
    const auto it = values.find(option);
    return it == values.end() ? std::string() : it->second;
}

std::string Invocation::choice(std::string_view option, std::span<const std::string_view> choices,
                               std::string_view fallback) const {
    if (!has(option)) {
        return std::string(fallback);
    }
    const std::string value = text(option);
    for (const auto& c : choices) {
        if (c == value) {
            return value;
        }
    }
    std::string offered;
    for (const auto& c : choices) {
        offered += (offered.empty() ? "" : ", ") + std::string(c);
    }
    throw UsageError("'" + value + "' is not offered for " + std::string(option) + " (" + offered +
                     ")");
}

LoanTexts Invocation::loanTexts(PartYear partYear) const {
    LoanTexts texts;
    texts.amount = text("--amount");
    texts.rate = text("--rate");
    texts.years = text("--years");
    texts.repayment = FrequencyOption(*this, "--repayment");
    if (partYear == PartYear::Read) {
        texts.parts = text("--parts");
        if (!texts.parts.empty() && texts.repayment == PaymentFrequency::Annualy) {
            throw UsageError("option --parts is not offered with --repayment " +
                             std::string(Label(PaymentFrequency::Annualy)));
        }
    }
    texts.compounding = FrequencyOption(*this, "--compounding");
    texts.timing = flag("--advance") ? PaymentTiming::InAdvance : PaymentTiming::InArrears;
    return texts;
}

int ReportFailure(const Output& output, const Message& failure) {
    output.err << failure.text << "\n";
    return ExitCheckFailed;
}

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", byte);
            out += buf;
        } else {
            out += c;
        }
    }
    return out;
}

void WriteLine(std::ostream& out, std::string_view label, std::string_view value) {
    out << label << ": " << Escaped(value) << "\n";
}

bool PrintPdf(const Invocation& call, const Output& output, const ReportJob& job) {
    if (!call.has(PdfOption)) {
        return true;
    }
    const std::string file = call.text(PdfOption);
    if (PrintReportToPdf(file, job)) {
        return true;
    }
    output.err << Fill(msg::PrinterFailed, {file}) << "\n";
    return false;
}

report::TableLoan ReportLoan(const LoanTexts& texts) {
    return {texts.amount,
            texts.rate,
            texts.years,
            std::string(UnitLabel(texts.repayment)),
            texts.parts,
            std::string(Label(texts.repayment)),
            texts.timing == PaymentTiming::InArrears};
}

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    try {
        const Command* command = nullptr;
        const Invocation call = Parse(args, command);
        const auto regional = MakeRegional(call);
        return command->run(call, Output{out, err, *regional});
    } catch (const UsageError& e) {
        err << "corbelwright-calc: " << Escaped(e.what()) << "\n" << Usage();
        return ExitUsage;
    }
}

}  // namespace corbel::cli
