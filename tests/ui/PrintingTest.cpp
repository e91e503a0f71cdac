// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <sys/stat.h>
#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "ProgramUnderTest.h"
#include "ui/MainWindow.h"
#include "ui/ResidualValuePage.h"
#include "ui/TermReductionWindow.h"

using namespace corbel;
using namespace corbel::ui;

// Every Print button: the print dialog through the dialogs adapter, then the
// window's report, read back from the PDF that the dialog's printer wrote.
class PrintingTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest p_;
    QTemporaryDir folder_;

    static void press(QWidget* root, const char* name) {
        test::Child<QAbstractButton>(root, name)->click();
    }

    // Types each window's worked example and presses its Print, or its Print Preview.
    void printFrom(const QString& window, bool preview = false) {
        LoanPage* loan = p_.window->loanPage();
        if (window == "loan") {
            p_.typeLoan("100000", "30", "6", "0");
            press(loan, preview ? "PreviewMortBtn" : "PrintMortBtn");
        } else if (window == "residual") {
            ResidualValuePage* page = p_.window->residualPage();
            test::Child<QLineEdit>(page, "RVResValue")->setText("150");
            test::Child<QLineEdit>(page, "RV2Percent")->setText("20");
            press(page, preview ? "PreviewRVDetailsBtn" : "PrintRVDetailsBtn");
        } else if (window == "grid") {
            p_.typeLoan("25000", "25", "6");
            QVERIFY(
                test::OpenWith(test::Child<QPushButton>(loan, "MortgageGridBtn"),
                               [=](QWidget* w) { press(w, preview ? "PreviewBtn" : "BitBtn1"); }));
        } else if (window == "schedule") {
            p_.typeLoan("1000", "0", "12", "3");
            QVERIFY(test::OpenWith(test::Child<QPushButton>(loan, "SpeedButton2"), [=](QWidget* w) {
                press(w, "Month");
                press(w, preview ? "PreviewBtn" : "BitBtn1");
            }));
        } else {
            p_.typeLoan("1000", "2", "12");
            auto* table = test::Child<TermReductionWindow>(p_.window.get(), "AdditionalP");
            table->copyLoan(loan->loanEntry());
            press(table, preview ? "PreviewBtn" : "BitBtn1");
        }
    }

    // The PDF's text with every run of white space as one space.
    static QString pdfText(const QString& pdf) {
        QProcess reader;
        reader.start(CW_PDFTOTEXT, {"-layout", "-fixed", "4.8", pdf, "-"});
        if (!reader.waitForFinished(30000)) {
            return {};
        }
        return QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    }

  private slots:
    void init() {
        p_.settings = {};  // no report printed before
        QVERIFY(folder_.isValid());
        QVERIFY(p_.start());
    }
    void cleanup() {
        p_.stop();
        for (const QString& file : QDir(folder_.path()).entryList(QDir::Files)) {
            QFile::remove(folder_.filePath(file));
        }
    }

    void printHoldsTheWindowsFigures_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("figures");
        QTest::newRow("loan") << "loan"
                              << QStringList{"Loan Details",
                                             "Loan Amount: $100,000.00",
                                             "Period: Years: 30 Month(s): 0",
                                             "Interest Rate: 6% Compounded Monthly",
                                             "Payment: Monthly (In Arrears)",
                                             "Monthly Loan Payment is $599.56",
                                             "Total Interest: $115,832.08"};
        QTest::newRow("residual")
            << "residual"
            << QStringList{"Residual Value Details", "Loan Amount: $10,000.00",
                           // As the command line prints it, whatever the page's label reads.
                           "Period: Years: 5 Month(s):",
                           "Payment with no residual value: $212.47 (Monthly)",
                           "Proposed Payment of: $150.00 (Monthly)",
                           "leave a residual value of $4,837.53 or 48.38%",
                           "A Residual Value of 20% leaves a Residual Value of $2,000.00 and "
                           "requires a payment of $186.64 (Monthly)"};
        QTest::newRow("grid") << "grid"
                              << QStringList{"Page 1", "Loan Amount: 25000 Interest Rate: 6",
                                             "Amt/Int 5.25% 5.5% 5.75% 6% 6.25% 6.5% 6.75%",
                                             "$25,000 $149.82 $153.53 $157.28 $161.08 $164.92 "
                                             "$168.81 $172.73"};
        QTest::newRow("schedule")
            << "schedule"
            << QStringList{"Page 1", "Loan Schedule",
                           "Month Interest Capital Outstanding Accumulated Accumulated",
                           "1 $10.00 $330.03 $669.97 $10.00 $330.03",
                           "3 $3.37 $336.64 $0.00 $20.07 $1,000.00"};
        QTest::newRow("additional payments")
            << "additional"
            << QStringList{"Additional Payments Schedule",
                           "Years to Pay Additional Monthly Total Monthly",
                           "2 $0.00 $47.08 $129.74 $0.00", "1 $41.77 $88.85 $66.18 $63.56"};
    }

    void printHoldsTheWindowsFigures() {
        QFETCH(QString, window);
        QFETCH(QStringList, figures);
        const QString pdf = folder_.filePath("report.pdf");
        p_.dialogs.printTo = pdf;
        printFrom(window);
        QCOMPARE(p_.dialogs.printDialogs, 1);
        QCOMPARE(p_.messages(), QStringList());
        const QString text = pdfText(pdf);
        for (const QString& figure : figures) {
            QVERIFY2(text.contains(figure), qPrintable(figure + " not in: " + text));
        }
    }

    void previewDrawsTheSameReport_data() { printHoldsTheWindowsFigures_data(); }
    void previewDrawsTheSameReport() {
        QFETCH(QString, window);
        QFETCH(QStringList, figures);
        const QString pdf = folder_.filePath("preview.pdf");
        p_.dialogs.printTo = pdf;
        printFrom(window, true);
        QCOMPARE(p_.dialogs.previews, 1);
        QCOMPARE(p_.dialogs.printDialogs, 0);
        const QString text = pdfText(pdf);
        for (const QString& figure : figures) {
            QVERIFY2(text.contains(figure), qPrintable(figure + " not in: " + text));
        }
    }

    void cancelPrintsNothing_data() { printHoldsTheWindowsFigures_data(); }
    void cancelPrintsNothing() {
        QFETCH(QString, window);
        printFrom(window);
        QCOMPARE(p_.dialogs.printDialogs, 1);
        QCOMPARE(p_.messages(), QStringList());
        QVERIFY(!p_.dialogs.printer);
        QVERIFY(QDir(folder_.path()).isEmpty());
    }

    void eachReportOffersItsOwnFile() {
        const QString mine = folder_.filePath("grid-gui.pdf");
        p_.dialogs.printTo = mine;
        printFrom("grid");
        p_.dialogs.printTo.reset();  // cancelled from here on
        printFrom("schedule");
        printFrom("grid", true);
        const QDir documents(DocumentsFolder());
        QCOMPARE(p_.dialogs.pdfFiles,
                 std::vector<QString>({documents.filePath("Loan Grid.pdf"),
                                       documents.filePath("Loan Schedule.pdf"), mine}));
    }

    void refusedLoanOffersNoPrintDialog() {
        p_.dialogs.printTo = folder_.filePath("report.pdf");
        p_.typeLoan("abc", "30", "6");
        press(p_.window->loanPage(), "PrintMortBtn");
        QCOMPARE(p_.messages(),
                 QStringList{"You must enter a valid Loan amount between 0 and 999999999"});
        QCOMPARE(p_.dialogs.printDialogs, 0);
    }

    void aPdfNotWrittenNamesTheFileAndWhy() {
        p_.dialogs.printTo = "/nonexistent/report.pdf";
        p_.typeLoan("100000", "30", "6");
        press(p_.window->loanPage(), "PrintMortBtn");
        QCOMPARE(p_.messages(),
                 QStringList{"Could not write /nonexistent/report.pdf\nNo such file or directory"});
        QCOMPARE(KindOf(p_.dialogs.shown.front().message.cause), MessageKind::Error);
    }
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
