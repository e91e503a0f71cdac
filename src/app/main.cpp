// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStringList>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Version.h"
#include "platform/Dialogs.h"
#include "platform/LocaleRegional.h"
#include "platform/QtText.h"
#include "platform/SettingsStore.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"

namespace {

constexpr char HelpFileName[] = "CWHelp.Hlp";
// Wrong usage, as corbelwright-calc answers it too.
constexpr int UsageStatus = 64;
constexpr int NoDisplayStatus = 1;

// A word a shell reads back as it is: plain words bare, others in double quotes.
// Control characters show as '?' so that the message stays one harmless line.
std::string ShellWord(std::string_view word) {
    constexpr std::string_view Plain =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/._+-,=:@%";
    if (!word.empty() && word.find_first_not_of(Plain) == std::string_view::npos) {
        return std::string(word);
    }
    std::string quoted = "\"";
    for (const char c : word) {
        if (c == '"' || c == '\\' || c == '$' || c == '`') {
            quoted += '\\';
        }
        const auto byte = static_cast<unsigned char>(c);
        quoted += byte < 0x20 || byte == 0x7f ? '?' : c;
    }
    return quoted + '"';
}

// Names the program as it was started: a source build is not on PATH.
std::string NoDisplayMessage(int argc, char** argv) {
    const std::string_view program = argc > 0 && argv[0][0] != '\0' ? argv[0] : "corbelwright";
    return "corbelwright: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are "
           "unset); start it under a virtual one with 'xvfb-run -a " +
           ShellWord(program) + "', or use corbelwright-calc, which needs no display.";
}

// Without a display Qt aborts with its own "could not connect to display"; say
// what to do instead. An explicit platform (QT_QPA_PLATFORM, -platform) needs none.
bool HasDisplay(int argc, char** argv) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(name)) {
            return true;
        }
    }
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (arg == "-platform" || arg == "--platform") {
            return true;
        }
    }
    return false;
}

// The help file beside the program comes first; an installed program keeps it in
// its data folder, found from the program's own folder so a package installed
// under any prefix finds it.
QString FindHelpFile(const QString& programFolder) {
    const QString beside = programFolder + '/' + HelpFileName;
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    const QString installed =
        QDir::cleanPath(programFolder + '/' + CW_DATA_DIR_FROM_PROGRAM + '/' + HelpFileName);
    return QFileInfo::exists(installed) ? installed : beside;
}

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription("Corbelwright: a desktop calculator for repayment loans.");
    // Qt's own one-dash options (-platform, -style, -reverse) are words, not letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("file", "A saved loan (.CWS) to open at start.", "[file]");
}

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int k = 0; k < argc; ++k) {
        arguments << QString::fromLocal8Bit(argv[k]);
    }
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(corbel::Q(corbel::ProgramName));
    QCoreApplication::setApplicationVersion(corbel::Q(corbel::ProgramVersion));
    QCommandLineParser parser;
    DescribeCommandLine(parser);

    // Help and version need no window, so no display either. Qt's own options
    // are unknown until QApplication takes them out; mistakes are judged below.
    (void)parser.parse(Arguments(argc, argv));
    if (parser.isSet("help") || parser.isSet("help-all") || parser.isSet("version")) {
        if (parser.isSet("version")) {
            std::cout << corbel::ProgramName << ' ' << corbel::ProgramVersion << '\n'
                      << corbel::ProgramLicence << '\n';
            return 0;
        }
        QCoreApplication core(argc, argv);
        parser.showHelp(0);
    }
    if (!HasDisplay(argc, argv)) {
        std::cerr << NoDisplayMessage(argc, argv) << '\n';
        return NoDisplayStatus;
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(corbel::Q(corbel::ApplicationId));
    QApplication::setWindowIcon(QIcon::fromTheme(corbel::Q(corbel::ApplicationId)));
    if (!parser.parse(QCoreApplication::arguments())) {
        std::cerr << "corbelwright: " << parser.errorText().toStdString()
                  << "\nTry 'corbelwright --help'.\n";
        return UsageStatus;
    }
    // QApplication took its own options out of argv; the file is read by the
    // bytes given, which QString would not keep for a name that is not UTF-8.
    const std::vector<std::string> arguments(argv + 1, argv + argc);

    const QString programFolder = QCoreApplication::applicationDirPath();
    const corbel::LocaleRegional regional = corbel::LocaleRegional::system();
    corbel::QtDialogs dialogs;
    corbel::QtSettingsStore settings;
    corbel::ui::HelpWindow help(FindHelpFile(programFolder), nullptr, &settings);
    corbel::ui::MainWindow window({regional, dialogs, help},
                                  corbel::FileDialogStartFolder(programFolder), settings,
                                  arguments);
    window.show();
    return app.exec();
}
