// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Cli.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <memory>

#include "calc/Version.h"
#include "cli/PdfModule.h"
#include "platform/LocaleRegional.h"
#include "platform/QtText.h"

namespace corbel::cli {

namespace {

constexpr std::string_view Program = "corbelwright-calc";

const Command* const Commands[] = {
    &LoanCommand, &WhatIfCommand, &ResidualCommand, &ScheduleCommand,
    &GridCommand, &ReduceCommand, &ExtraCommand,
};

constexpr std::string_view AdvanceOption = "--advance";

// The fields every command reads, then the options of its output.
const std::vector<OptionSpec> LoanOptions = {
    {"--amount", "TEXT", "The loan amount."},
    {"--rate", "TEXT", "The annual interest rate in percent."},
    {"--years", "TEXT", "The whole years of the term."},
    {"--parts", "TEXT", "The part-year repayment periods (none with annual repayments)."},
    {"--repayment", "LABEL", "How often repayments fall."},
    {"--compounding", "LABEL", "How often interest is compounded."},
    {AdvanceOption, "", "Repayments in advance; without it, in arrears."},
};
const std::vector<OptionSpec> OutputOptions = {
    {"--json", "", "One JSON object instead of the text form."},
    {"--locale", "NAME",
     "The regional format for money texts and for reading numbers, such as en_US, de_DE or "
     "fr_FR; by default the system's."},
};
constexpr OptionSpec HelpOption{"--help", "", "Show the options and exit."};
constexpr OptionSpec VersionOption{"--version", "",
                                   "Print the program's name, version and licence and exit."};

// Arguments reach Qt as Latin-1, one character a byte, so that every value
// comes back byte for byte whatever its encoding; option names are ASCII.
QStringList QtArguments(std::span<const std::string> args) {
    QStringList list{Q(Program)};
    for (const std::string& arg : args) {
        list << QString::fromLatin1(arg.data(), static_cast<qsizetype>(arg.size()));
    }
    return list;
}

std::string Bytes(const QString& text) {
    return text.toLatin1().toStdString();
}

QString QtName(const OptionSpec& option) {
    return Q(option.name.substr(2));
}

QCommandLineOption QtOption(const OptionSpec& option) {
    QString description = Q(option.description);
    if (!option.choices.empty()) {
        QStringList offered;
        for (const std::string_view choice : option.choices) {
            offered << Q(choice);
        }
        description += " One of " + offered.join(", ");
        if (!option.fallback.empty()) {
            description += "; default " + Q(option.fallback);
        }
        description += ".";
    }
    QCommandLineOption qtOption(QtName(option), description);
    if (!option.valueName.empty()) {
        qtOption.setValueName(Q(option.valueName));
    }
    return qtOption;
}

// The command's own options, the loan and output options, and --help.
std::vector<OptionSpec> OptionsOf(const Command& command) {
    std::vector<OptionSpec> options = command.options;
    for (const OptionSpec& option : LoanOptions) {
        if (command.inAdvance || option.name != AdvanceOption) {
            options.push_back(option);
        }
    }
    options.insert(options.end(), OutputOptions.begin(), OutputOptions.end());
    options.push_back(HelpOption);
    return options;
}

// Whether `arg` names one of the options, alone or with "=value".
const OptionSpec* Named(const std::vector<OptionSpec>& options, std::string_view arg) {
    for (const OptionSpec& option : options) {
        if (arg.starts_with(option.name) &&
            (arg.size() == option.name.size() || arg[option.name.size()] == '=')) {
            return &option;
        }
    }
    return nullptr;
}

const Command& FindCommand(std::string_view name) {
    for (const Command* command : Commands) {
        if (command->name == name) {
            return *command;
        }
    }
    throw UsageError("unknown command '" + std::string(name) + "'");
}

// Qt takes the argument after a value-taking option as its value whatever it
// is, which keeps "--rate -5" a value; another option of the command there
// ("--years --json") means the value was forgotten.
void RequireValues(const std::vector<OptionSpec>& options, std::span<const std::string> args) {
    for (std::size_t k = 0; k < args.size() && args[k] != "--"; ++k) {
        const OptionSpec* option = Named(options, args[k]);
        if (option == nullptr || option->valueName.empty() || args[k] != option->name) {
            continue;
        }
        if (k + 1 == args.size() || Named(options, args[k + 1]) != nullptr) {
            throw UsageError("option " + args[k] + " needs a value");
        }
        ++k;
    }
}

// Qt names an unknown option without its dashes; the message shows it as typed.
std::string AsTyped(std::span<const std::string> args, const std::string& name) {
    const std::string longForm = "--" + name;
    for (const std::string& arg : args) {
        if (arg == longForm || arg.starts_with(longForm + "=")) {
            return longForm;
        }
    }
    return "-" + name;
}

// Parses `args` with `parser`; wrong usage throws, naming what was wrong.
void ParseArguments(QCommandLineParser& parser, std::span<const std::string> args,
                    const std::string& where) {
    if (!parser.parse(QtArguments(args))) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            throw UsageError("unknown option '" + AsTyped(args, Bytes(unknown.first())) + "'" +
                             where);
        }
        throw UsageError(Bytes(parser.errorText()));
    }
}

Invocation Parse(const Command& command, std::span<const std::string> args) {
    const std::vector<OptionSpec> options = OptionsOf(command);
    RequireValues(options, args);
    QCommandLineParser parser;
    for (const OptionSpec& option : options) {
        parser.addOption(QtOption(option));
    }
    const std::string where = " for " + std::string(command.name);
    ParseArguments(parser, args, where);
    if (!parser.positionalArguments().isEmpty()) {
        throw UsageError("unexpected argument '" + Bytes(parser.positionalArguments().first()) +
                         "'" + where);
    }
    Invocation call;
    call.command = command.name;
    for (const OptionSpec& option : options) {
        if (!parser.isSet(QtName(option))) {
            continue;
        }
        if (option.valueName.empty()) {
            call.flags.emplace(option.name);
        } else {
            call.values.emplace(option.name, Bytes(parser.value(QtName(option))));
        }
    }
    if (call.json() && call.csv()) {
        throw UsageError("options --json and --csv exclude each other");
    }
    return call;
}

// Breaks a paragraph at blanks into lines of at most 79 characters, as Qt
// breaks the option descriptions.
std::string Wrapped(std::string_view text) {
    constexpr std::size_t Width = 79;
    std::string out;
    std::size_t lineStart = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (out.size() > lineStart && out.size() - lineStart + 1 + (end - start) > Width) {
            out += '\n';
            lineStart = out.size();
        } else if (out.size() > lineStart) {
            out += ' ';
        }
        out.append(text.substr(start, end - start));
        start = end + 1;
    }
    return out + "\n";
}

// Qt lays out the options; the usage lines and the paragraphs around them are
// the program's own, as there is no QCoreApplication here to name it.
std::string HelpText(const QCommandLineParser& parser, const std::string& usage,
                     std::string_view summary, const std::string& trailer) {
    const QString text = parser.helpText();
    return usage + Wrapped(summary) + text.mid(text.indexOf('\n') + 1).toStdString() + trailer;
}

// The texts one after the other. Appended in turn: a text put in front of a
// temporary string ("\n" + LabelsLine()) makes GCC 12 at -O3 warn of an
// overlapping copy that cannot happen (-Wrestrict).
std::string Joined(std::initializer_list<std::string> texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += text;
    }
    return joined;
}

std::string LabelsLine() {
    return Wrapped("LABEL is one of " + LabelList() + "; default " +
                   std::string(Label(DefaultFrequency)) + ".");
}

std::string CommandHelp(const Command& command) {
    QCommandLineParser parser;
    for (const OptionSpec& option : OptionsOf(command)) {
        parser.addOption(QtOption(option));
    }
    const std::string call = std::string(Program) + " " + std::string(command.name);
    return HelpText(parser, "Usage: " + call + " [OPTIONS]\n", command.summary,
                    Joined({"\n", LabelsLine(), "\nExample:\n  ", call, " ",
                            std::string(command.example), "\n"}));
}

std::string ProgramHelp() {
    QCommandLineParser parser;
    for (const auto* list : {&LoanOptions, &OutputOptions}) {
        for (const OptionSpec& option : *list) {
            parser.addOption(QtOption(option));
        }
    }
    parser.addOption(QtOption(HelpOption));
    parser.addOption(QtOption(VersionOption));
    for (const Command* command : Commands) {
        parser.addPositionalArgument(Q(command->name), Q(command->summary));
    }
    const std::string program(Program);
    const std::string trailer =
        "Some commands take more options, such as " + std::string(CsvOption.name) + " and " +
        std::string(PdfOption.name) + "; '" + program + " COMMAND --help' lists them.";
    const std::string statuses =
        "Exit status: 0 for a result, help or the version; 2 when a check fails or the PDF file "
        "or standard output cannot be written (the reason on standard error); 64 for wrong usage. "
        "A reader that stops early, as head does, may end the program by SIGPIPE.";
    std::string text =
        HelpText(parser,
                 "Usage: " + program + " COMMAND [OPTIONS]\n       " + program +
                     " [COMMAND] --help\n       " + program + " --version\n",
                 "The calculations of Corbelwright's windows with no window: each "
                 "command reads and checks its options as its window reads and "
                 "checks its fields.",
                 Joined({"\n", LabelsLine(), Wrapped(trailer), "\n", Wrapped(statuses)}));
    // Qt heads the positional arguments "Arguments:"; here they are the commands.
    const std::string heading = "\nArguments:\n";
    if (const auto at = text.find(heading); at != std::string::npos) {
        text.replace(at, heading.size(), "\nCommands:\n");
    }
    return text;
}

std::string VersionText() {
    return std::string(Program) + " (" + std::string(ProgramName) + ") " +
           std::string(ProgramVersion) + "\n" + std::string(ProgramLicence) + "\n";
}

// --help or --version before any command.
int RunProgramOption(std::span<const std::string> args, std::ostream& out) {
    QCommandLineParser parser;
    parser.addOption(QtOption(HelpOption));
    parser.addOption(QtOption(VersionOption));
    parser.addPositionalArgument("command", "");
    ParseArguments(parser, args, "");
    const QStringList rest = parser.positionalArguments();
    if (parser.isSet(QtName(HelpOption)) && rest.size() <= 1) {
        out << (rest.isEmpty() ? ProgramHelp() : CommandHelp(FindCommand(Bytes(rest.first()))));
        return ExitOk;
    }
    if (parser.isSet(QtName(VersionOption)) && rest.isEmpty()) {
        out << VersionText();
        return ExitOk;
    }
    throw UsageError(rest.isEmpty() ? "no command given"
                                    : "unexpected argument '" + Bytes(rest.last()) + "'");
}

std::string Usage() {
    std::string names;
    for (const Command* command : Commands) {
        names += (names.empty() ? "" : ", ") + std::string(command->name);
    }
    return "usage: corbelwright-calc COMMAND [OPTIONS]\n"
           "commands: " +
           names +
           "\n"
           "'corbelwright-calc --help' lists the commands and the options they share,\n"
           "'corbelwright-calc COMMAND --help' the command's own options\n";
}

std::unique_ptr<LocaleRegional> MakeRegional(const Invocation& call) {
    if (!call.has("--locale")) {
        return std::make_unique<LocaleRegional>(LocaleRegional::system());
    }
    const std::string name = call.text("--locale");
    const QLocale locale(Q(name));
    // Names as the system writes them: "C.UTF-8" is the C locale, as in LANG.
    const std::string_view language = std::string_view(name).substr(0, name.find_first_of(".@"));
    if (locale.language() == QLocale::C && language != "C" && language != "POSIX") {
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
    texts.repaymentFrequency = FrequencyOption(*this, "--repayment");
    if (partYear == PartYear::Read) {
        texts.parts = text("--parts");
        if (!texts.parts.empty() && texts.repaymentFrequency == PaymentFrequency::Annualy) {
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
    if (!call.has(PdfOption.name)) {
        return true;
    }
    const std::string file = call.text(PdfOption.name);
    std::string why;
    const PdfPrinter print = LoadPdfPrinter(why);
    if (!print) {
        output.err << Fill(msg::PdfModuleMissing, {why}) << "\n";
        return false;
    }
    if (print(file, job, why)) {
        return true;
    }
    output.err << Fill(msg::CannotWrite, {file, why}) << "\n";
    return false;
}

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    try {
        if (args.empty()) {
            throw UsageError("no command given");
        }
        if (args[0].starts_with("-")) {
            return RunProgramOption(args, out);
        }
        const Command& command = FindCommand(args[0]);
        const Invocation call = Parse(command, args.subspan(1));
        if (call.flag(HelpOption.name)) {
            out << CommandHelp(command);
            return ExitOk;
        }
        const auto regional = MakeRegional(call);
        return command.run(call, Output{out, err, *regional});
    } catch (const UsageError& e) {
        err << "corbelwright-calc: " << Escaped(e.what()) << "\n" << Usage();
        return ExitUsage;
    }
}

}  // namespace corbel::cli
