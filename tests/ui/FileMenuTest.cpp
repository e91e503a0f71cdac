// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "ProgramUnderTest.h"

using namespace corbel;

class FileMenuTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest p_;
    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }
    template <typename T = QAction>
    T* find(const char* name) const {
        return test::Child<T>(p_.window.get(), name);
    }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    void saveAs(const QString& file) {
        p_.dialogs.saveChoices.push_back(file);
        find("SaveAs1")->trigger();
    }
    QAction* recent(int k) const { return find<QMenu>("RecentFiles1")->actions().at(k); }
    QString amountIn(const QString& file) const {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? QString(in.readLine()).trimmed() : "(missing)";
    }

  private slots:
    void init() {
        p_.settings = {};
        QVERIFY(p_.start());
    }
    void cleanup() { p_.stop(); }

    void standardKeysWorkOnceFromEveryPage() {
        p_.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p_.window.get()));
        // The mnemonics, and where the platform names no keys, the ones the desktops share.
        for (const auto& [entry, caption, keys, common] :
             {std::tuple{"New1", "&New", QKeySequence::New, ""},
              {"OpenFile1", "&Open File", QKeySequence::Open, ""},
              {"SaveFile1", "&Save File", QKeySequence::Save, ""},
              {"SaveAs1", "Save &As...", QKeySequence::SaveAs, "Ctrl+Shift+S"},
              {"Print1", "&Print...", QKeySequence::Print, ""},
              {"Exit1", "&Exit", QKeySequence::Quit, "Ctrl+Q"},
              {"Contents1", "&Contents", QKeySequence::HelpContents, ""}}) {
            QAction* action = find(entry);
            QCOMPARE(action->text(), QString(caption));
            const auto standard = QKeySequence::keyBindings(keys);
            QCOMPARE(action->shortcuts(),
                     standard.isEmpty() ? QList{QKeySequence(common)} : standard);
            QVERIFY(!action->shortcut().isEmpty());
            // Each question and dialog it brings is cancelled.
            for (const char* name : {"MAmount", "WIInterest", "RVAmount"}) {
                find<QTabWidget>("PageControl1")->setCurrentWidget(field(name)->parentWidget());
                field(name)->setFocus();
                QSignalSpy triggered(action, &QAction::triggered);
                QTest::keySequence(field(name), action->shortcut());
                // The What If? page has nothing to print.
                const bool none = QString(entry) == "Print1" && QString(name) == "WIInterest";
                QVERIFY2(triggered.count() == (none ? 0 : 1), qPrintable(entry + QString(name)));
            }
        }
        QVERIFY(p_.window->isVisible());
    }

    void saveAsksOnlyWhenNoFileIsNamed_data() {
        QTest::addColumn<QString>("before");
        for (const char* row : {"start", "save as", "load", "argument", "gone", "new"}) {
            QTest::newRow(row) << QString(row);
        }
    }
    void saveAsksOnlyWhenNoFileIsNamed() {
        QFETCH(QString, before);
        // The file Save writes to without a dialog: the one loaded or saved
        // last, never another that is remembered; none after New.
        const QString writtenTo = before == "argument"                      ? "argument.CWS"
                                  : before == "save as" || before == "load" ? "first.CWS"
                                                                            : "";
        saveAs(path("first.CWS"));
        QFile::copy(path("first.CWS"), path("argument.CWS"));
        if (before == "start" || before == "argument" || before == "gone") {
            p_.stop();
            const QString remembered = path(before == "gone" ? "gone.CWS" : "first.CWS");
            p_.settings.currentFile =
                before == "start" ? std::nullopt : std::optional(remembered.toStdString());
            QVERIFY(
                p_.start(before == "argument" ? QStringList{path("argument.CWS")} : QStringList{}));
        } else if (before == "load") {
            p_.dialogs.openChoices = {path("first.CWS")};
            find("OpenFile1")->trigger();
        } else if (before == "new") {
            find("New1")->trigger();
        }
        p_.dialogs.fileDialogs.clear();
        p_.dialogs.saveChoices = {path("asked.CWS")};
        test::Retype(field("MAmount"), "4321");
        find<QToolButton>("SaveBtn")->click();
        const QString file = path(writtenTo.isEmpty() ? "asked.CWS" : writtenTo);
        QCOMPARE(p_.dialogs.fileDialogs.size(), std::size_t(writtenTo.isEmpty()));
        QCOMPARE(amountIn(file), QString("4321"));
        QCOMPARE(p_.window->windowTitle(), "Corbelwright 1.07 -  " + file);
        QCOMPARE(p_.window->state().currentFileName, file);
    }

    void saveAsAlwaysAsksAndAsksBeforeReplacing() {
        // The dialog asks about "loan.txt"; ".CWS" added makes another name.
        saveAs(path("loan.txt"));
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            test::Retype(field("MAmount"), answer == Answer::Yes ? "99" : "1");
            p_.dialogs.answers = {answer};
            saveAs(path("loan.txt"));
            QCOMPARE(p_.messages().last(),
                     path("loan.txt.CWS") + " already exists.\nDo you want to replace it?");
            QCOMPARE(amountIn(path("loan.txt.CWS")), QString(answer == Answer::Yes ? "99" : ""));
        }
        QCOMPARE(p_.dialogs.fileDialogs.size(), std::size_t(3));
        QVERIFY(p_.dialogs.fileDialogs.back().setup.confirmReplace);
    }

    void newFollowsTheCloseQuestion_data() {
        QTest::addColumn<int>("answer");
        for (const Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
            QTest::addRow("%d", int(answer)) << int(answer);
        }
    }
    void newFollowsTheCloseQuestion() {
        QFETCH(int, answer);
        saveAs(path("loan.CWS"));
        p_.typeLoan("1000", "2", "12");
        test::Retype(field("RVAmount"), "5");
        test::Retype(field("WIInterest"), "7");
        p_.dialogs.answers = {Answer(answer)};
        find("New1")->trigger();
        QCOMPARE(p_.messages(), QStringList{"Do you want to save your file first?"});
        QCOMPARE(amountIn(path("loan.CWS")), QString(answer == int(Answer::Yes) ? "1000" : ""));
        QStringList shown;
        for (const char* name :
             {"MAmount", "IRate", "RVAmount", "RVInterest", "RVPeriod", "WIInterest"}) {
            shown << field(name)->text();
        }
        const bool cleared = answer != int(Answer::Cancel);
        QCOMPARE(shown, (cleared ? QStringList{"", "", "10000", "10", "5", ""}
                                 : QStringList{"1000", "12", "5", "10", "5", "7"}));
        QCOMPARE(p_.window->windowTitle() == "Corbelwright 1.07", cleared);
        // Nothing typed into the new loan: closing asks nothing.
        QCOMPARE(p_.window->state().loanSaved, cleared);
    }

    void recentFiles() {
        const QString odd = path("Prêt & maison.CWS");
        saveAs(odd);
        for (int k = 0; k < 9; ++k) {
            saveAs(path(QString("f%1.CWS").arg(k)));
        }
        p_.dialogs.openChoices = {path("f2.CWS")};
        find("OpenFile1")->trigger();
        QStringList expected;
        for (int k : {2, 8, 7, 6, 5, 4, 3, 1}) {
            expected << path(QString("f%1.CWS").arg(k));
        }
        QCOMPARE(p_.settings.recent, expected);
        // The next start offers the same list; a file that is gone is dropped
        // when chosen, with no question.
        p_.stop();
        QVERIFY(p_.start());
        QCOMPARE(recent(1)->text(), "&2 " + expected[1]);
        QFile::remove(expected[1]);
        test::Retype(field("MAmount"), "1");
        recent(1)->trigger();
        QCOMPARE(p_.messages(),
                 QStringList{"Could not open " + expected[1] + "\nNo such file or directory"});
        expected.removeAt(1);
        QCOMPARE(p_.settings.recent, expected);
        // One that is there follows the close question first.
        saveAs(odd);
        QCOMPARE(recent(0)->text(), "&1 " + QString(odd).replace("&", "&&"));
        test::Retype(field("MAmount"), "1");
        p_.dialogs.answers = {Answer::Cancel, Answer::No};
        for (const QString amount : {"1", ""}) {
            recent(1)->trigger();
            QCOMPARE(field("MAmount")->text(), amount);
        }
        QCOMPARE(p_.window->state().currentFileName, expected[0]);
        find("ClearRecentFiles1")->trigger();
        QCOMPARE(p_.settings.recent, QStringList());
        QVERIFY(!find<QMenu>("RecentFiles1")->menuAction()->isEnabled());
    }
};

QTEST_MAIN(FileMenuTest)
#include "FileMenuTest.moc"
