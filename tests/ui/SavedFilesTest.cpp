// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <sys/stat.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "ProgramUnderTest.h"
#include "ui/CaptionPanel.h"
#include "ui/LoanScheduleWindow.h"
#include "ui/MainWindow.h"

using namespace corbel;

namespace {

// Every input the saved file carries, by control name, in file order.
const char* const FileControls[] = {"MAmount",        "Period",
                                    "MPartyear",      "IRate",
                                    "MPayment",       "MCompounded",
                                    "MArrears",       "MAdvance",
                                    "MSavingsAmount", "mperiod",
                                    "minterest",      "reducedperiod",
                                    "investrate",     "TrasferValuesCheckBox",
                                    "WIPrincipal",    "WIPeriods",
                                    "WIPartYear",     "WIInterest",
                                    "WIRepay",        "AmountRB",
                                    "PeriodRB",       "InterestRB",
                                    "PaymentRB",      "WIPayment",
                                    "WIArrearsRB",    "WIAdvanceRB",
                                    "WICompounded",   "RVAmount",
                                    "RVPeriod",       "RVPartYear",
                                    "RVInterest",     "RVPayment",
                                    "RVCompounded",   "RVResValue",
                                    "RV2Percent"};

// A file of every section, each value differing from the start-up one; the
// amount is longer than the Loan page lets anyone type.
const QStringList FullFile = {
    "1234567890.125", "25", "7",   "6.25",  "6", "7",    "FALSE", "TRUE",  // Loan page
    "150000",         "20", "5.5", "15",    "4", "TRUE",                   // savings, transfer box
    "90000",          "12", "3",   "7.125", "",  "4",    "5",     "2",    "2",  // What If?
    "20000",          "4",  "2",   "9.5",   "2", "4",    "300",   "25"};        // Residual Value

const QString SaveFirst = "Do you want to save your file first?";
const QString ProgramTitle = "Corbelwright 1.07";

QStringList With(QStringList lines, std::initializer_list<std::pair<int, QString>> changes) {
    for (const auto& [line, text] : changes) {
        lines[line - 1] = text;
    }
    return lines;
}

}  // namespace

class SavedFilesTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest p_;
    std::unique_ptr<QTemporaryDir> dir_;

    QString path(const QString& name) const { return dir_->filePath(name); }

    // The lines in Windows-1252, each ended by CR LF.
    QString write(const QString& name, const QStringList& lines) {
        QByteArray bytes;
        for (const QString& line : lines) {
            bytes += line.toLatin1() + "\r\n";
        }
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write %s", qPrintable(file.fileName()));
        }
        return file.fileName();
    }
    static QByteArray bytesOf(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(missing)");
    }

    template <typename T = QWidget>
    T* find(const char* name) const {
        return test::Child<T>(p_.window.get(), name);
    }
    // "name=value" of each input the file carries: a text, a list's entry or a
    // button's state.
    QStringList inputs() const {
        QStringList shown;
        for (const char* name : FileControls) {
            const QObject* control = find<QWidget>(name);
            QString value;
            if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
                value = edit->text();
            } else if (const auto* list = qobject_cast<const QComboBox*>(control)) {
                value = list->currentText();
            } else {
                value = qobject_cast<const QAbstractButton*>(control)->isChecked() ? "on" : "off";
            }
            shown << QString(name) + "=" + value;
        }
        return shown;
    }

    bool saved() const { return p_.window->state().loanSaved; }
    QString current() const { return p_.window->state().currentFileName; }
    QString title() const { return p_.window->windowTitle(); }
    QStringList messages() const { return p_.messages(); }

    // The user's load and Save As through the dialogs, answered with `file`.
    void load(const QString& file) {
        p_.dialogs.openChoices.push_back(file);
        QTest::mouseClick(find<QToolButton>("LoadBtn"), Qt::LeftButton);
    }
    void save(const QString& file) {
        p_.dialogs.saveChoices.push_back(file);
        find<QAction>("SaveAs1")->trigger();
    }
    void type(const char* field, const QString& text) {
        test::Retype(find<QLineEdit>(field), text);
    }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        p_.settings = {};
        QVERIFY(p_.start());
    }
    void cleanup() { p_.stop(); }

    void loadShowsEveryPageAndSaveWritesItBack_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("every value changed") << FullFile
                                             << QStringList{"MAmount=1234567890.125",
                                                            "Period=25",
                                                            "MPartyear=7",
                                                            "IRate=6.25",
                                                            "MPayment=Weekly",
                                                            "MCompounded=Daily",
                                                            "MArrears=off",
                                                            "MAdvance=on",
                                                            "MSavingsAmount=150000",
                                                            "mperiod=20",
                                                            "minterest=5.5",
                                                            "reducedperiod=15",
                                                            "investrate=4",
                                                            "TrasferValuesCheckBox=on",
                                                            "WIPrincipal=90000",
                                                            "WIPeriods=12",
                                                            "WIPartYear=3",
                                                            "WIInterest=7.125",
                                                            "WIRepay=",
                                                            "AmountRB=off",
                                                            "PeriodRB=off",
                                                            "InterestRB=off",
                                                            "PaymentRB=on",
                                                            "WIPayment=FortNightly",
                                                            "WIArrearsRB=off",
                                                            "WIAdvanceRB=on",
                                                            "WICompounded=Quarterly",
                                                            "RVAmount=20000",
                                                            "RVPeriod=4",
                                                            "RVPartYear=2",
                                                            "RVInterest=9.5",
                                                            "RVPayment=Quarterly",
                                                            "RVCompounded=Bi-Monthly",
                                                            "RVResValue=300",
                                                            "RV2Percent=25"};
        // Texts are kept as typed; the What If? choice stays on the amount, so
        // the amount field keeps its stored text.
        QTest::newRow("texts as typed, empty fields")
            << QStringList{"  12 000 ", "",  "", "abc", "3", "3",     "TRUE", "FALSE",
                           "",          "",  "", "",    "",  "FALSE", "Café", "",
                           "",          "x", "", "1",   "3", "1",     "3",    "",
                           "",          "",  "", "3",   "3", "",      "-1"}
            << QStringList{"MAmount=  12 000 ", "Period=",
                           "IRate=abc",         "MArrears=on",
                           "WIPrincipal=Café",  "WIInterest=x",
                           "AmountRB=on",       "RVAmount=",
                           "RV2Percent=-1",     "TrasferValuesCheckBox=off"};
    }
    void loadShowsEveryPageAndSaveWritesItBack() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, shown);
        const QString file = write("in.CWS", lines);
        load(file);
        QCOMPARE(messages(), QStringList());
        const QStringList all = inputs();
        for (const QString& entry : shown) {
            QVERIFY2(all.contains(entry), qPrintable(entry + " not in " + all.join(", ")));
        }
        QVERIFY(saved());
        QCOMPARE(title(), ProgramTitle + " -  " + file);
        QCOMPARE(current(), file);

        save(path("out.CWS"));
        QCOMPARE(bytesOf(path("out.CWS")), bytesOf(file));
    }

    void captionsFollowTheLoadedFrequencies() {
        load(write("in.CWS", FullFile));
        QCOMPARE(find<ui::CaptionPanel>("Panel1")->caption(), QString("   Weekly Loan Payment is"));
        QCOMPARE(find<QLabel>("Label98")->text(), QString("Week(s)"));
        // A load does not run the What If? frequency's change: its unit keeps its caption.
        QCOMPARE(find<QLabel>("WIMonthsLabel")->text(), QString("Months"));
        QCOMPARE(find<QLabel>("Label90")->text(), QString("Quarter(s)"));
        QCOMPARE(find<QLabel>("Label23")->text(), QString("Proposed Quarterly Repayment of"));
        // The stored choice (Payment) differs from the page's (Amount): the
        // repayment is what it solves.
        QVERIFY(find<QLineEdit>("WIRepay")->isReadOnly());
        QVERIFY(!find<QLineEdit>("WIPrincipal")->isReadOnly());
    }

    void whatIfPartYearArrivesAsItStands() {
        test::Choose(find<QComboBox>("WIPayment"), "Annualy");  // hides the field
        load(write("in.CWS", With(FullFile, {{21, "0"}})));
        QCOMPARE(find<QComboBox>("WIPayment")->currentText(), QString("Annualy"));
        QCOMPARE(find<QLineEdit>("WIPartYear")->text(), QString("3"));
        QVERIFY(!find<QLineEdit>("WIPartYear")->isHidden());
        QVERIFY(!find<QLabel>("WIMonthsLabel")->isHidden());
    }

    void shortFilesLeaveTheirMissingSections_data() {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("ends after line 14")
            << 14
            << QStringList{"MAmount=1234567890.125", "WIPrincipal=typed",
                           "RVAmount=", "RVPayment=Monthly", "AmountRB=on"};
        QTest::newRow("ends after line 23")
            << 23
            << QStringList{"WIPrincipal=90000", "PaymentRB=on", "RVAmount=", "RVPayment=Monthly"};
    }
    void shortFilesLeaveTheirMissingSections() {
        QFETCH(int, lineCount);
        QFETCH(QStringList, shown);
        find<QLineEdit>("WIPrincipal")->setText("typed");
        find<QComboBox>("RVPayment")->setCurrentIndex(0);
        load(write("short.CWS", FullFile.mid(0, lineCount)));
        QCOMPARE(messages(), QStringList());
        const QStringList all = inputs();
        for (const QString& entry : shown) {
            QVERIFY2(all.contains(entry), qPrintable(entry + " not in " + all.join(", ")));
        }
        // The cleared page's captions are those of "Monthly" again.
        QCOMPARE(find<QLabel>("Label23")->text(), QString("Proposed Monthly Repayment of"));
    }

    void savedNameFollowsTheDialog_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("extension added") << "loan"
                                         << "loan.CWS";
        QTest::newRow("extension in any case kept") << "loan.cws"
                                                    << "loan.cws";
        QTest::newRow("short name") << "ab"
                                    << "ab.CWS";
    }
    void savedNameFollowsTheDialog() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        save(path(typed));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{written});
        QCOMPARE(current(), path(written));
        QCOMPARE(title(), ProgramTitle + " -  " + path(written));
        QVERIFY(saved());
        QCOMPARE(p_.dialogs.fileDialogs.front().setup,
                 (FileDialogSetup{"Corbelwright File (*.CWS)", "/nowhere", "", "CWS", true}));
        // The open dialog now offers the name as typed, in the save dialog's folder.
        load(QString());
        QCOMPARE(p_.dialogs.fileDialogs.back().setup,
                 (FileDialogSetup{"Corbelwright Saved Files (*.CWS)", "/nowhere", path(typed)}));
    }

    void cancellingTheSaveDialogWritesNothing_data() {
        QTest::addColumn<bool>("savedBefore");
        QTest::newRow("first save") << false;
        QTest::newRow("after a save") << true;
    }
    void cancellingTheSaveDialogWritesNothing() {
        QFETCH(bool, savedBefore);
        if (savedBefore) {
            save(path("first"));
        }
        type("MAmount", "5000");
        const QString before = title();
        save(QString());  // an empty name
        // Cancelled: Save's dialog when no file is named, Save As's after a save.
        if (savedBefore) {
            find<QAction>("SaveAs1")->trigger();
        } else {
            find<QToolButton>("SaveBtn")->click();
        }
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files),
                 savedBefore ? QStringList{"first.CWS"} : QStringList());
        QCOMPARE(p_.dialogs.fileDialogs.back().setup.name, savedBefore ? path("first") : QString());
        QCOMPARE(title(), before);
        QVERIFY(!saved());
    }

    void closeQuestion_data() {
        QTest::addColumn<QString>("before");  // what the user did last
        QTest::addColumn<QString>("closeBy");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveTo");  // the save dialog's answer; empty: cancelled
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("closed");
        const int yes = int(Answer::Yes), no = int(Answer::No), cancel = int(Answer::Cancel);
        const QStringList asked{SaveFirst};
        QTest::newRow("start-up, Cancel") << "start"
                                          << "box" << cancel << "" << asked << false;
        QTest::newRow("start-up, No") << "start"
                                      << "ExitBtn" << no << "" << asked << true;
        QTest::newRow("start-up, Yes") << "start"
                                       << "Exit1" << yes << "answer" << asked << true;
        QTest::newRow("Yes, save dialog cancelled") << "start"
                                                    << "box" << yes << "" << asked << false;
        QTest::newRow("Yes, save failed")
            << "start"
            << "box" << yes << "/proc/answer"
            << QStringList{SaveFirst, "Could not write /proc/answer.CWS\nNo such file or directory"}
            << false;
        QTest::newRow("amount changed after a save, Cancel")
            << "save, amount"
            << "Exit1" << cancel << "" << asked << false;
        QTest::newRow("amount changed after a save, Yes")
            << "save, amount"
            << "box" << yes << "answer" << asked << true;
        QTest::newRow("after a save") << "save"
                                      << "ExitBtn" << cancel << "" << QStringList() << true;
        QTest::newRow("after a load") << "load"
                                      << "box" << cancel << "" << QStringList() << true;
        QTest::newRow("What If? and Residual Value changed after a load")
            << "load, what-if"
            << "Exit1" << cancel << "" << QStringList() << true;
    }
    void closeQuestion() {
        QFETCH(QString, before);
        QFETCH(QString, closeBy);
        QFETCH(int, answer);
        QFETCH(QString, saveTo);
        QFETCH(QStringList, shown);
        QFETCH(bool, closed);
        QString expectedCurrent;
        if (before.startsWith("save")) {
            save(path("earlier.CWS"));
            expectedCurrent = path("earlier.CWS");
        } else if (before.startsWith("load")) {
            load(write("earlier.CWS", FullFile));
            expectedCurrent = path("earlier.CWS");
        }
        if (before.endsWith("amount")) {
            type("MAmount", "75000");
        } else if (before.endsWith("what-if")) {
            type("WIPrincipal", "1");
            type("RVAmount", "2");
            find<QComboBox>("WIPayment")->setCurrentIndex(0);
            find<QComboBox>("RVPayment")->setCurrentIndex(0);
        }
        p_.dialogs.shown.clear();
        p_.dialogs.answers = {Answer(answer)};
        p_.dialogs.saveChoices = {
            saveTo.isEmpty() ? std::nullopt : std::optional(QDir(dir_->path()).filePath(saveTo))};

        if (closeBy == "box") {
            p_.window->close();
        } else if (closeBy == "ExitBtn") {
            QTest::mouseClick(find<QToolButton>("ExitBtn"), Qt::LeftButton);
        } else {
            find<QAction>("Exit1")->trigger();
        }
        QCOMPARE(messages(), shown);
        QCOMPARE(p_.window->isVisible(), !closed);
        // Yes saves straight to the file saved before, through the dialog otherwise.
        const bool written = closed && Answer(answer) == Answer::Yes && !shown.isEmpty();
        const bool named = before.startsWith("save");
        QCOMPARE(QFile::exists(path("answer.CWS")), written && !named);
        if (written) {
            expectedCurrent = named ? path("earlier.CWS") : path("answer.CWS");
            QCOMPARE(bytesOf(expectedCurrent).startsWith("75000\r\n"), named);
        }
        // A close that goes ahead remembers the current file, even an empty one.
        QCOMPARE(p_.settings.currentFile,
                 closed ? std::optional(expectedCurrent.toStdString()) : std::nullopt);
    }
    void closingInTheRunningProgramAsksOnce() {
        p_.dialogs.answers = {Answer::No};
        QTimer::singleShot(0, this, [this] { find<QToolButton>("ExitBtn")->click(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(messages(), QStringList{SaveFirst});
    }

    void savingsMessagesOnLoad_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("amount not a number")
            << With(FullFile, {{9, "abc"}}) << QStringList{"This Loan Amount must be Numeric only"};
        QTest::newRow("period of 0") << With(FullFile, {{10, "0"}, {11, ""}, {12, ""}, {13, ""}})
                                     << QStringList{"You must enter a period greater than 0."};
        QTest::newRow("investment rate not a number")
            << With(FullFile, {{13, "4%"}})
            << QStringList{"This Investment rate(%) must be Numeric only"};
        QTest::newRow("empty fields")
            << With(FullFile, {{9, ""}, {10, ""}, {11, ""}, {12, ""}, {13, ""}}) << QStringList();
    }
    void savingsMessagesOnLoad() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, shown);
        load(write("in.CWS", lines));
        QCOMPARE(messages(), shown);
        // The load goes on past the message.
        QCOMPARE(find<QLineEdit>("RV2Percent")->text(), QString("25"));
        QVERIFY(saved());
    }

    void badFileChangesNothing_data() {
        QTest::addColumn<QStringList>("lines");  // empty: no file at all
        QTest::addColumn<QString>("error");
        QTest::newRow("empty file") << QStringList{""} << "'' is not a valid integer value";
        QTest::newRow("list index out of range")
            << With(FullFile, {{5, "8"}}) << "'8' is not a valid list index";
        QTest::newRow("residual list index not a number")
            << With(FullFile, {{29, "x"}}) << "'x' is not a valid integer value";
        QTest::newRow("what-if number not a number")
            << With(FullFile, {{20, "one"}}) << "Invalid numeric input";
        QTest::newRow("missing file") << QStringList() << "No such file or directory";
    }
    void badFileChangesNothing() {
        QFETCH(QStringList, lines);
        QFETCH(QString, error);
        const QString good = write("good.CWS", FullFile);
        load(good);
        const QStringList before = inputs();
        QString bad = path("bad.CWS");
        if (lines == QStringList{""}) {
            QFile(bad).open(QIODevice::WriteOnly);
        } else if (!lines.isEmpty()) {
            write("bad.CWS", lines);
        }
        load(bad);
        QCOMPARE(messages(), QStringList{"Could not open " + bad + "\n" + error});
        QCOMPARE(p_.dialogs.shown.back().title, std::string("Error"));
        QCOMPARE(inputs(), before);
        QCOMPARE(title(), ProgramTitle + " -  " + good);
        QVERIFY(saved());
        QCOMPARE(current(), good);
    }

    void failedSaveLeavesTheEarlierFileWhole_data() {
        QTest::addColumn<QString>("target");  // %1: the temporary folder
        QTest::addColumn<QString>("error");
        QTest::newRow("folder is a file") << "%1/earlier.CWS/loan"
                                          << "Not a directory";
        QTest::newRow("folder refused") << "/proc/loan"
                                        << "No such file or directory";
    }
    void failedSaveLeavesTheEarlierFileWhole() {
        QFETCH(QString, target);
        QFETCH(QString, error);
        const QString earlier = path("earlier.CWS");
        type("MAmount", "1000");
        save(earlier);
        const QByteArray bytes = bytesOf(earlier);
        type("MAmount", "2000");
        const QString named = target.contains("%1") ? target.arg(dir_->path()) : target;
        save(named);
        QCOMPARE(messages(), QStringList{"Could not write " + named + ".CWS\n" + error});
        QCOMPARE(bytesOf(earlier), bytes);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"earlier.CWS"});
        QCOMPARE(title(), ProgramTitle + " -  " + earlier);
        QVERIFY(!saved());
        QCOMPARE(current(), earlier);
    }

    void startUpOpensTheArgumentOrTheRememberedFile_data() {
        QTest::addColumn<QByteArrayList>("arguments");  // names in the temporary folder, or --
        QTest::addColumn<QString>("remembered");        // likewise
        QTest::addColumn<QString>("amountShown");
        QTest::addColumn<QString>("shown");  // the message, %1 the folder; empty: none
        const QString badInteger = "'' is not a valid integer value";
        QTest::newRow("argument over the remembered file")
            << QByteArrayList{"argument.CWS"} << "remembered.CWS"
            << "111" << QString();
        QTest::newRow("remembered file") << QByteArrayList() << "remembered.CWS"
                                         << "222" << QString();
        QTest::newRow("argument naming no file") << QByteArrayList{"gone.CWS"} << "remembered.CWS"
                                                 << "222" << QString();
        QTest::newRow("remembered file deleted") << QByteArrayList() << "gone.CWS"
                                                 << "" << QString();
        QTest::newRow("malformed argument file") << QByteArrayList{"bad.CWS"} << "remembered.CWS"
                                                 << ""
                                                 << "Could not open %1/bad.CWS\n" + badInteger;
        QTest::newRow("argument naming a folder") << QByteArrayList{"folder"} << "remembered.CWS"
                                                  << ""
                                                  << "Could not open %1/folder\nIs a directory";
        QTest::newRow("argument naming a pipe") << QByteArrayList{"pipe.CWS"} << "remembered.CWS"
                                                << ""
                                                << "Could not open %1/pipe.CWS\nNot a regular file";
        QTest::newRow("argument naming a link to nothing")
            << QByteArrayList{"dangling.CWS"} << "remembered.CWS"
            << ""
            << "Could not open %1/dangling.CWS\nNo such file or directory";
        QTest::newRow("argument after --")
            << QByteArrayList{"--", "argument.CWS"} << "remembered.CWS"
            << "111" << QString();
        QTest::newRow("argument whose name is not UTF-8")
            << QByteArrayList{"latin1-\xE9.CWS"} << "remembered.CWS"
            << "111" << QString();
    }
    void startUpOpensTheArgumentOrTheRememberedFile() {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QString, remembered);
        QFETCH(QString, amountShown);
        QFETCH(QString, shown);
        const QString argumentFile = write("argument.CWS", With(FullFile, {{1, "111"}, {5, "0"}}));
        write("remembered.CWS", With(FullFile, {{1, "222"}, {5, "0"}}));
        write("bad.CWS", {"333"});
        const QByteArray folder = QFile::encodeName(dir_->path());
        QDir(dir_->path()).mkdir("folder");
        ::mkfifo(folder + "/pipe.CWS", 0600);
        QFile::link("nothing.CWS", path("dangling.CWS"));
        QVERIFY(std::filesystem::copy_file(argumentFile.toStdString(),
                                           (folder + "/latin1-\xE9.CWS").toStdString()));
        std::vector<std::string> bytes;
        QByteArray opened;
        for (const QByteArray& argument : arguments) {
            bytes.push_back(argument == "--" ? "--" : (folder + '/' + argument).toStdString());
            opened = argument == "--" ? opened : QByteArray::fromStdString(bytes.back());
        }
        p_.stop();
        p_.settings.currentFile = path(remembered).toStdString();
        QVERIFY(p_.start(bytes));

        QCOMPARE(messages(),
                 shown.isEmpty() ? QStringList() : QStringList{shown.arg(dir_->path())});
        QVERIFY(shown.isEmpty() || p_.dialogs.shown.front().overShownWindow);
        QCOMPARE(find<QLineEdit>("MAmount")->text(), amountShown);
        // The loaded annual repayments reach the schedule window, which exists by
        // then; the set-up that follows leaves the loan unsaved, and the title
        // still names the file that was opened.
        QCOMPARE(test::Child<QLineEdit>(p_.window->schedule(), "Partyear")->isHidden(),
                 !amountShown.isEmpty());
        const QString title = amountShown == "111"   ? QFile::decodeName(opened)
                              : amountShown == "222" ? path(remembered)
                                                     : QString();
        QCOMPARE(this->title(), title.isEmpty() ? ProgramTitle : ProgramTitle + " -  " + title);
        QVERIFY(!saved());
        QCOMPARE(current(), path(remembered));
        // Closing without a save or a load keeps the remembered file.
        p_.dialogs.answers = {Answer::No};
        QVERIFY(p_.window->close());
        QCOMPARE(p_.settings.currentFile, std::optional(path(remembered).toStdString()));
    }

    void aSettingsFailureIsShownOverTheWindowOnce() {
        const QString unread = "Could not open /home/ann/.config/Wendle.conf\nNot a regular file";
        const QString unwritten =
            "Could not write /home/ann/.config/Wendle.conf\nNot a regular file";
        for (const QString& atStart : {unread, QString()}) {
            p_.stop();
            p_.settings.failureText = atStart.toStdString();
            QVERIFY(p_.start());
            QCOMPARE(messages(), atStart.isEmpty() ? QStringList() : QStringList{atStart});
            QVERIFY(atStart.isEmpty() || p_.dialogs.shown.front().overShownWindow);
            // At the close it is shown only when it is new there.
            const QString atClose = atStart.isEmpty() ? unwritten : unread;
            p_.settings.failureText = atClose.toStdString();
            p_.dialogs.answers = {Answer::No};
            QVERIFY(p_.window->close());
            QCOMPARE(messages().count(atClose), 1);
        }
        p_.settings.failureText.clear();
    }

    void dialogsFirstStartWhereTheUserCanWrite() {
        QCOMPARE(FileDialogStartFolder(dir_->path()), dir_->path());
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(FileDialogStartFolder(dir_->path() + "/gone"),
                 QFileInfo(documents).isDir() ? documents : QDir::homePath());
    }

    void startUpFilePresetsBothDialogs() {
        const QString file = write("argument.CWS", FullFile);
        p_.stop();
        QVERIFY(p_.start({file}));
        load(QString());
        save(QString());
        const QString folder = dir_->path();
        QCOMPARE(p_.dialogs.fileDialogs.at(0).setup.folder, folder);
        QCOMPARE(p_.dialogs.fileDialogs.at(0).setup.name, file);
        QCOMPARE(p_.dialogs.fileDialogs.at(1).setup.folder, folder);
        QCOMPARE(p_.dialogs.fileDialogs.at(1).setup.name, file);
    }
};

QTEST_MAIN(SavedFilesTest)
#include "SavedFilesTest.moc"
