// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "ProgramUnderTest.h"

using namespace corbel;

namespace {
const QString SaveFirst = "Do you want to save your file first?";
}

class FileMenuTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest p_;
    std::unique_ptr<QTemporaryDir> dir_;

    QString path(const QString& name) const { return dir_->filePath(name); }
    template <typename T = QWidget>
    T* find(const char* name) const {
        return test::Child<T>(p_.window.get(), name);
    }
    QAction* action(const char* name) const { return find<QAction>(name); }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    // Save As through its dialog, answered with `file`.
    void saveAs(const QString& file) {
        p_.dialogs.saveChoices.push_back(file);
        action("SaveAs1")->trigger();
    }
    QStringList recentEntries() const {
        QStringList texts;
        for (QAction* entry : find<QMenu>("RecentFiles1")->actions()) {
            texts << entry->text();
        }
        return texts;
    }
    QAction* recentEntry(int k) const { return find<QMenu>("RecentFiles1")->actions().at(k); }
    QString amountIn(const QString& file) const {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? QString(in.readLine()).trimmed() : "(missing)";
    }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        p_.settings = {};
        QVERIFY(p_.start());
    }
    void cleanup() { p_.stop(); }

    void fileMenuKeepsItsMnemonics() {
        QStringList texts;
        for (QAction* entry : find<QMenu>("File1")->actions()) {
            texts << entry->text();
        }
        QCOMPARE(texts, QStringList({"&New", "&Open File", "&Recent Files", "&Save File",
                                     "Save &As...", "", "&Print...", "", "&Exit"}));
    }

    void shortcutsWorkFromEveryPageOnce_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("keys");        // a QKeySequence::StandardKey
        QTest::addColumn<QString>("common");  // where the platform has none
        const std::tuple<const char*, QKeySequence::StandardKey, const char*> entries[] = {
            {"New1", QKeySequence::New, ""},
            {"OpenFile1", QKeySequence::Open, ""},
            {"SaveFile1", QKeySequence::Save, ""},
            {"SaveAs1", QKeySequence::SaveAs, "Ctrl+Shift+S"},
            {"Print1", QKeySequence::Print, ""},
            {"Exit1", QKeySequence::Quit, "Ctrl+Q"},
            {"Contents1", QKeySequence::HelpContents, ""}};
        for (const auto& [entry, keys, common] : entries) {
            QTest::newRow(entry) << entry << int(keys) << QString(common);
        }
    }
    void shortcutsWorkFromEveryPageOnce() {
        QFETCH(QString, entry);
        QFETCH(int, keys);
        QFETCH(QString, common);
        QAction* a = action(entry.toUtf8().constData());
        const auto standard = QKeySequence::keyBindings(QKeySequence::StandardKey(keys));
        QCOMPARE(a->shortcuts(), standard.isEmpty() ? QList{QKeySequence(common)} : standard);
        QVERIFY(!a->shortcut().isEmpty());
        p_.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p_.window.get()));
        // Unsaved changes bring the question, which the script cancels.
        for (const auto& [page, name] : {std::pair{"TabSheet1", "MAmount"},
                                         {"TabSheet4", "WIPrincipal"},
                                         {"ResidualValueTab", "RVAmount"}}) {
            QLineEdit* focused = field(name);
            find<QTabWidget>("PageControl1")->setCurrentWidget(find(page));
            focused->setFocus();
            QSignalSpy triggered(a, &QAction::triggered);
            QTest::keySequence(focused, a->shortcut());
            // The What If? page has nothing to print.
            const bool printless = entry == "Print1" && QString(name) == "WIPrincipal";
            QVERIFY2(triggered.count() == (printless ? 0 : 1), name);
        }
        QVERIFY(p_.window->isVisible());
    }

    void saveAsksOnlyWhenNoFileIsNamed_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("writtenTo");  // empty: the save dialog's file
        QTest::newRow("start-up") << "start"
                                  << "";
        QTest::newRow("after Save As") << "save as"
                                       << "first.CWS";
        QTest::newRow("after a load") << "load"
                                      << "first.CWS";
        QTest::newRow("argument over the remembered file") << "argument"
                                                           << "argument.CWS";
        QTest::newRow("remembered file gone") << "gone"
                                              << "";
        QTest::newRow("after New") << "new"
                                   << "";
    }
    void saveAsksOnlyWhenNoFileIsNamed() {
        QFETCH(QString, before);
        QFETCH(QString, writtenTo);
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
            action("OpenFile1")->trigger();
        } else if (before == "new") {
            action("New1")->trigger();
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
        QVERIFY(p_.window->state().loanSaved);
    }

    void replacingAnotherNameThanTheDialogsAsks_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes") << int(Answer::Yes);
        QTest::newRow("No") << int(Answer::No);
    }
    void replacingAnotherNameThanTheDialogsAsks() {
        QFETCH(int, answer);
        saveAs(path("loan.txt"));
        test::Retype(field("MAmount"), "99");
        p_.dialogs.answers = {Answer(answer)};
        saveAs(path("loan.txt"));
        QCOMPARE(p_.messages().last(),
                 path("loan.txt.CWS") + " already exists.\nDo you want to replace it?");
        QCOMPARE(amountIn(path("loan.txt.CWS")),
                 Answer(answer) == Answer::Yes ? QString("99") : QString());
    }

    void newFollowsTheCloseQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("Yes saves first") << int(Answer::Yes) << true;
        QTest::newRow("No discards") << int(Answer::No) << true;
        QTest::newRow("Cancel keeps everything") << int(Answer::Cancel) << false;
    }
    void newFollowsTheCloseQuestion() {
        QFETCH(int, answer);
        QFETCH(bool, cleared);
        saveAs(path("loan.CWS"));
        p_.typeLoan("1000", "2", "12");
        test::Retype(field("RVAmount"), "5");
        test::Retype(field("WIPrincipal"), "7");
        p_.dialogs.answers = {Answer(answer)};
        action("New1")->trigger();
        QCOMPARE(p_.messages().last(), SaveFirst);
        QCOMPARE(amountIn(path("loan.CWS")), QString(Answer(answer) == Answer::Yes ? "1000" : ""));
        const QStringList start = {"", "", "", "10000", "10", "5", ""};
        QStringList shown;
        for (const char* name :
             {"MAmount", "Period", "IRate", "RVAmount", "RVInterest", "RVPeriod", "WIPrincipal"}) {
            shown << field(name)->text();
        }
        QCOMPARE(shown == start, cleared);
        QCOMPARE(p_.window->windowTitle() == "Corbelwright 1.07", cleared);
        // Nothing typed into the new loan: closing asks nothing.
        QCOMPARE(p_.window->state().loanSaved, cleared);
    }

    void recentFilesMostRecentFirstEightAtMost() {
        for (int k = 0; k < 10; ++k) {
            saveAs(path(QString("f%1.CWS").arg(k)));
        }
        p_.dialogs.openChoices = {path("f3.CWS")};
        action("OpenFile1")->trigger();
        QStringList expected;
        for (int k : {3, 9, 8, 7, 6, 5, 4, 2}) {
            expected << path(QString("f%1.CWS").arg(k));
        }
        QCOMPARE(p_.settings.recent, expected);
        QCOMPARE(recentEntries().first(), "&1 " + expected.first());
        QCOMPARE(recentEntries().size(), 8 + 2);  // a separator, then Clear

        // The next start offers the same list.
        p_.stop();
        QVERIFY(p_.start());
        QCOMPARE(recentEntries().at(7), "&8 " + expected.last());
        find<QAction>("ClearRecentFiles1")->trigger();
        QCOMPARE(p_.settings.recent, QStringList());
        QVERIFY(!find<QMenu>("RecentFiles1")->menuAction()->isEnabled());
    }

    void choosingARecentFile() {
        const QString odd = path("Prêt & maison 2.CWS");
        saveAs(odd);
        saveAs(path("gone.CWS"));
        QFile::remove(path("gone.CWS"));
        QCOMPARE(recentEntries().at(1), "&2 " + QString(odd).replace("&", "&&"));
        test::Retype(field("MAmount"), "1");
        // A file that is gone is dropped, with no question.
        recentEntry(0)->trigger();
        QCOMPARE(p_.messages(),
                 QStringList{"Could not open " + path("gone.CWS") + "\nNo such file or directory"});
        QCOMPARE(p_.settings.recent, QStringList{odd});
        // One that is there follows the close question first.
        p_.dialogs.answers = {Answer::Cancel, Answer::No};
        recentEntry(0)->trigger();
        QCOMPARE(field("MAmount")->text(), QString("1"));
        recentEntry(0)->trigger();
        QCOMPARE(field("MAmount")->text(), QString());
        QCOMPARE(p_.messages().count(SaveFirst), 2);
        QCOMPARE(p_.window->state().currentFileName, odd);
    }
};

QTEST_MAIN(FileMenuTest)
#include "FileMenuTest.moc"
