// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractTextDocumentLayout>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include "ScriptedDialogs.h"
#include "platform/LocaleRegional.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"

using corbel::ui::HelpWindow;

namespace {

// Where the anchor `name` stands in the browser's document, in pixels from its top.
int AnchorTop(QTextBrowser* browser, const QString& name) {
    QTextDocument* document = browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name)) {
                return qRound(document->documentLayout()->blockBoundingRect(block).top());
            }
        }
    }
    return -1;
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

    QString contents() {
        QFile file(CW_HELP_FILE);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

  private slots:
    void helpFileHasASectionPerTopic() {
        const QString html = contents();
        QVERIFY(!html.isEmpty());
        for (const QString& anchor :
             {HelpWindow::anchor(0), HelpWindow::anchor(2), HelpWindow::anchor(3),
              HelpWindow::anchor(4), HelpWindow::anchor(5), HelpWindow::anchor(6),
              HelpWindow::anchor(8), QString("residual")}) {
            QVERIFY2(html.contains("name=\"" + anchor + "\""), qPrintable(anchor));
            if (anchor != "contents") {
                QVERIFY2(html.contains("href=\"#" + anchor + "\""), qPrintable(anchor));
            }
        }
    }

    void opensWithTheTopicAtTheTop_data() {
        QTest::addColumn<int>("topic");
        for (const int topic : {0, 2, 3, 4, 5, 6, 8, 9, 11}) {
            QTest::newRow(qPrintable(HelpWindow::anchor(topic))) << topic;
        }
    }
    void opensWithTheTopicAtTheTop() {
        QFETCH(int, topic);
        HelpWindow help(CW_HELP_FILE);
        help.showHelp(2);  // a different place first: each opening moves to its own
        help.showHelp(topic);
        QVERIFY(help.isVisible());
        auto* browser = help.findChild<QTextBrowser*>("HelpBrowser");
        const int top = AnchorTop(browser, HelpWindow::anchor(topic));
        QVERIFY(top >= 0);
        QVERIFY2(
            std::abs(browser->verticalScrollBar()->value() - top) <= 2,
            qPrintable(QString("%1 at %2").arg(browser->verticalScrollBar()->value()).arg(top)));
    }

    void backAndContentsFindTheWay() {
        HelpWindow help(CW_HELP_FILE);
        help.showHelp(3);
        QVERIFY(QTest::qWaitForWindowActive(&help));
        auto* browser = help.findChild<QTextBrowser*>("HelpBrowser");
        auto* back = help.findChild<QPushButton*>("HelpBackBtn");
        const auto at = [&](int topic) {
            return std::abs(browser->verticalScrollBar()->value() -
                            AnchorTop(browser, HelpWindow::anchor(topic))) <= 2;
        };
        QTest::mouseClick(help.findChild<QPushButton*>("HelpContentsBtn"), Qt::LeftButton);
        QVERIFY(at(0));
        // The contents' first link, followed by the keyboard.
        browser->setFocus();
        QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Return);
        QVERIFY(at(2));
        QTest::mouseClick(back, Qt::LeftButton);
        QVERIFY(at(0));
        QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
        QVERIFY(at(3));
        QVERIFY(!back->isEnabled());
        QTest::keyClick(browser, Qt::Key_Home, Qt::AltModifier);
        QVERIFY(at(0) && back->isEnabled());
        // A link to the last section puts it at the top too.
        browser->setSource(QUrl("#topic8"));
        QVERIFY(at(8));
    }

    void closeButtonClosesIt() {
        HelpWindow help(CW_HELP_FILE);
        help.showHelp(0);
        QTest::mouseClick(help.findChild<QPushButton*>("HelpCloseBtn"), Qt::LeftButton);
        QVERIFY(!help.isVisible());
    }

    void sizeIsKeptForTheNextStart() {
        corbel::QtSettingsStore settings;  // in the test's own configuration folder
        {
            HelpWindow help(CW_HELP_FILE, nullptr, &settings);
            help.showHelp(0);
            help.resize(700, 520);
            QTest::mouseClick(help.findChild<QPushButton*>("HelpCloseBtn"), Qt::LeftButton);
        }
        QCOMPARE(HelpWindow(CW_HELP_FILE, nullptr, &settings).size(), QSize(700, 520));
    }

    void usableOverAModalWindow() {
        HelpWindow help(CW_HELP_FILE);
        QDialog modal;
        modal.setModal(true);
        modal.show();
        QCOMPARE(QApplication::activeModalWidget(), &modal);
        help.showHelp(3);
        // Input goes to the topmost modal window: the help, not the window behind it.
        QCOMPARE(QApplication::activeModalWidget(), &help);
        help.close();
        QCOMPARE(QApplication::activeModalWidget(), &modal);
        modal.close();
        help.showHelp(2);
        QCOMPARE(help.windowModality(), Qt::NonModal);
    }

    void programEndsWithTheMainWindowWhileHelpIsOpen() {
        corbel::LocaleRegional regional{QLocale(QLocale::English, QLocale::UnitedStates)};
        corbel::test::ScriptedDialogs dialogs;
        HelpWindow help(CW_HELP_FILE);
        corbel::test::MemorySettings settings;
        corbel::ui::MainWindow window({regional, dialogs, help}, QString("/nowhere"), settings);
        window.state().loanSaved = true;
        window.show();
        help.showHelp(0);
        QTimer::singleShot(0, &window, [&] { window.close(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void missingHelpFileShowsNothing() {
        HelpWindow help("/nowhere/CWHelp.Hlp");
        help.showHelp(2);
        QVERIFY(!help.isVisible());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
