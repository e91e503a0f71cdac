#include <QFile>
#include <QTest>
#include <QTextBrowser>

#include "HelpWindow.h"

using corbel::ui::HelpWindow;

class HelpWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void helpFileHasASectionPerTopic() {
        QFile file(CW_HELP_FILE);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (const int topic : {0, 2, 3, 4, 5, 6, 8}) {
            const QString anchor = HelpWindow::anchor(topic);
            QVERIFY2(html.contains("name=\"" + anchor + "\""), qPrintable(anchor));
            if (topic != 0) {
                QVERIFY2(html.contains("href=\"#" + anchor + "\""), qPrintable(anchor));
            }
        }
    }

    void opensAtTheTopic() {
        HelpWindow help(CW_HELP_FILE);
        help.showHelp(8);
        QVERIFY(help.isVisible());
        auto* browser = help.findChild<QTextBrowser*>("HelpBrowser");
        QVERIFY(browser->toPlainText().contains("The What If? page"));
    }

    void missingHelpFileShowsNothing() {
        HelpWindow help("/nowhere/CWHelp.Hlp");
        help.showHelp(2);
        QVERIFY(!help.isVisible());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
