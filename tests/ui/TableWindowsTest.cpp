// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "ProgramUnderTest.h"
#include "platform/LocaleRegional.h"
#include "ui/GridModel.h"
#include "ui/LoanGridWindow.h"
#include "ui/LoanPage.h"
#include "ui/LoanScheduleWindow.h"
#include "ui/MainWindow.h"
#include "ui/RowsTableModel.h"

using namespace corbel;
using namespace corbel::ui;

namespace {

// The table windows: their names, Calculate's and the table's, the given size,
// and the first headings for 1000 at 12% over 2 years.
const struct {
    const char *window, *calculate, *table;
    int width, height;
    const char* firstHeadings;
} Tables[] = {{"MORTAGEGRID", "SpeedButton1", "MGrid", 575, 400, "Amt/Int\t11.25%\t"},
              {"MSCHEDULE", "CalculateBtn", "MSGrid", 534, 377, "Year\tInterest\t"},
              {"AdditionalP", "SpeedButton2", "APGrid", 537, 382,
               "Years to pay off Loan\tAdditional Monthly Payment Required\t"}};

}  // namespace

class TableWindowsTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest p_;

    LoanPage* loan() { return p_.window->loanPage(); }
    LoanScheduleWindow* schedule() { return p_.window->schedule(); }
    LoanGridWindow* grid() { return p_.window->grid(); }

    QStringList scheduleRow(int row) {
        QStringList cells;
        for (int c = 0; c < 6; ++c) {
            cells << schedule()->model()->cellText(row, c);
        }
        return cells;
    }
    QStringList messages() const { return p_.messages(); }

  private slots:
    void init() { QVERIFY(p_.start()); }
    void cleanup() { p_.stop(); }

    void scheduleOpensWithTheWorkedExample() {
        p_.typeLoan("1000", "0", "12", "3");
        QString title;
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2"),
                               [&](QWidget* w) { title = w->windowTitle(); }));
        QCOMPARE(title, QString("Loan Schedule"));
        QCOMPARE(test::Child<QLineEdit>(schedule(), "MSAmount")->text(), QString("1000"));
        QCOMPARE(test::Child<QLineEdit>(schedule(), "MSInterest")->text(), QString("12"));
        QCOMPARE(test::Child<QLineEdit>(schedule(), "MSPeriod")->text(), QString("0"));
        QCOMPARE(test::Child<QLineEdit>(schedule(), "Partyear")->text(), QString("3"));
        QCOMPARE(test::Child<QLabel>(schedule(), "MSMonthlyRepayment")->text(), QString("$340.03"));
        QCOMPARE(test::Child<QLabel>(schedule(), "Label4")->text(), QString("Monthly Payment"));
        QCOMPARE(test::Child<QLabel>(schedule(), "Label10")->text(), QString("Year"));
        QCOMPARE(schedule()->model()->rowCount(), 1);
        QCOMPARE(scheduleRow(0),
                 QStringList({"1", "$20.07", "$1,000.00", "$0.00", "$20.07", "$1,000.00"}));

        // The display choice redraws at once, by period.
        QTest::mouseClick(test::Child<QRadioButton>(schedule(), "Month"), Qt::LeftButton);
        QCOMPARE(schedule()->model()->rowCount(), 3);
        QCOMPARE(test::Child<QLabel>(schedule(), "Label10")->text(), QString("Month"));
        QCOMPARE(scheduleRow(0),
                 QStringList({"1", "$10.00", "$330.03", "$669.97", "$10.00", "$330.03"}));
        QCOMPARE(scheduleRow(2),
                 QStringList({"3", "$3.37", "$336.64", "$0.00", "$20.07", "$1,000.00"}));
        QCOMPARE(test::Child<QTableView>(schedule(), "MSGrid")->columnWidth(0) >= 65, true);
    }

    void scheduleInAdvanceReadsTheLoanPageTiming() {
        p_.typeLoan("1000", "", "12", "3");
        QTest::mouseClick(test::Child<QRadioButton>(loan(), "MAdvance"), Qt::LeftButton);
        test::Child<QRadioButton>(schedule(), "Month")->setChecked(true);
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2")));
        QCOMPARE(test::Child<QLabel>(schedule(), "MSMonthlyRepayment")->text(), QString("$336.66"));
        QCOMPARE(scheduleRow(1),
                 QStringList({"2", "$3.33", "$333.33", "$336.64", "$9.96", "$663.36"}));
    }

    void scheduleChecksOnOpeningInOrder_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("message");
        QTest::newRow("amount first")
            << "abc"
            << "99"
            << "0"
            << "You must enter a valid Loan amount between 0 and 999999999";
        QTest::newRow("term second") << "1000"
                                     << ""
                                     << "0"
                                     << "You must enter a period ";
        QTest::newRow("zero rate") << "1000"
                                   << "5"
                                   << "0"
                                   << "You must enter a valid interest rate between 0 and 100";
    }
    void scheduleChecksOnOpeningInOrder() {
        QFETCH(QString, amount);
        QFETCH(QString, years);
        QFETCH(QString, rate);
        QFETCH(QString, message);
        schedule()->copyLoan({"earlier", "earlier", "earlier", "earlier"});
        p_.typeLoan(amount, years, rate);
        QVERIFY(!test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2")));
        QCOMPARE(messages(), QStringList({message}));
        for (const char* name : {"MSAmount", "MSInterest", "MSPeriod", "Partyear"}) {
            QCOMPARE(schedule()->findChild<QLineEdit*>(name)->text(), QString("earlier"));
        }
    }

    void scheduleAcceptsAmountZero() {
        p_.typeLoan("0", "5", "6");
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2")));
        QCOMPARE(schedule()->model()->rowCount(), 1);
        QCOMPARE(scheduleRow(0), QStringList({"1", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00"}));
        QCOMPARE(test::Child<QLabel>(schedule(), "MSMonthlyRepayment")->text(), QString("$0.00"));
    }

    void scheduleCaptionsByFrequency() {
        p_.typeLoan("1000", "2", "6", "1");
        test::Choose(test::Child<QComboBox>(loan(), "MPayment"), "Bi-Monthly");
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2"), [&](QWidget*) {
            QTest::mouseClick(test::Child<QRadioButton>(schedule(), "Month"), Qt::LeftButton);
        }));
        QCOMPARE(test::Child<QRadioButton>(schedule(), "Month")->text(), QString("1/2 Month"));
        QCOMPARE(test::Child<QLabel>(schedule(), "Label4")->text(), QString("Half Month Payment"));
        QCOMPARE(test::Child<QLabel>(schedule(), "Label11")->text(), QString("Half-Month(s)"));

        test::Choose(test::Child<QComboBox>(loan(), "MPayment"), "Annualy");
        QVERIFY(test::Child<QLineEdit>(schedule(), "Partyear")->isHidden());
        QVERIFY(test::Child<QLabel>(schedule(), "Label11")->isHidden());
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2")));
        QVERIFY(test::Child<QRadioButton>(schedule(), "Month")->isHidden());
        // The hidden choice gives way to "Year", selected, and the table follows it.
        QVERIFY(test::Child<QRadioButton>(schedule(), "Year")->isChecked());
        QCOMPARE(test::Child<QLabel>(schedule(), "Label10")->text(), QString("Year"));
        QCOMPARE(schedule()->model()->rowCount(), 2);
        QCOMPARE(test::Child<QLabel>(schedule(), "Label4")->text(), QString("Annual Payment"));
        test::Choose(test::Child<QComboBox>(loan(), "MPayment"), "Weekly");
        QVERIFY(!test::Child<QLineEdit>(schedule(), "Partyear")->isHidden());
    }

    void scheduleWindowCalculatesOnItsOwnFields() {
        p_.typeLoan("1000", "0", "12", "3");
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2"), [&](QWidget*) {
            test::Child<QLineEdit>(schedule(), "MSAmount")->setText("2000");
            QTest::mouseClick(test::Child<QPushButton>(schedule(), "CalculateBtn"), Qt::LeftButton);
        }));
        QCOMPARE(test::Child<QLabel>(schedule(), "MSMonthlyRepayment")->text(), QString("$680.05"));
        QCOMPARE(test::Child<QLineEdit>(loan(), "MAmount")->text(), QString("1000"));

        // A failed check keeps the previous table.
        test::Child<QLineEdit>(schedule(), "MSInterest")->setText("0");
        QTest::mouseClick(test::Child<QPushButton>(schedule(), "CalculateBtn"), Qt::LeftButton);
        QCOMPARE(messages(),
                 QStringList({"You must enter a valid interest rate between 0 and 100"}));
        QCOMPARE(test::Child<QLabel>(schedule(), "MSMonthlyRepayment")->text(), QString("$680.05"));
        QCOMPARE(schedule()->model()->rowCount(), 1);
    }

    void scheduleKeepsItsDisplayChoiceBetweenOpenings() {
        p_.typeLoan("1000", "1", "12");
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2"), [&](QWidget*) {
            QTest::mouseClick(test::Child<QRadioButton>(schedule(), "Month"), Qt::LeftButton);
        }));
        QVERIFY(test::OpenWith(p_.window->findChild<QToolButton*>("BitBtn5")));
        QVERIFY(test::Child<QRadioButton>(schedule(), "Month")->isChecked());
        QCOMPARE(schedule()->model()->rowCount(), 12);
        QCOMPARE(test::Child<QLabel>(schedule(), "Label10")->text(), QString("Month"));
    }

    void longestScheduleByPeriod() {
        p_.typeLoan("250000", "50", "7.5", "365");
        test::Choose(test::Child<QComboBox>(loan(), "MPayment"), "Daily");
        test::Child<QLineEdit>(loan(), "MPartyear")->setText("365");
        test::Child<QRadioButton>(schedule(), "Month")->setChecked(true);
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2")));
        QVERIFY(schedule()->model()->rowCount() > 18000);
        QCOMPARE(schedule()->model()->cellText(schedule()->model()->rowCount() - 1, 3),
                 QString("$0.00"));
    }

    void gridOpensWithTheWorkedExample() {
        p_.typeLoan("100000", "25", "6");
        int firstRowInView = -1;
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "MortgageGridBtn"), [&](QWidget*) {
            firstRowInView = test::Child<QTableView>(grid(), "MGrid")->rowAt(0);
        }));
        GridModel* model = grid()->model();
        QCOMPARE(model->rowCount(), 51);
        QStringList headings;
        for (int c = 0; c < 8; ++c) {
            headings << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        }
        QCOMPARE(headings, QStringList({"Amt/Int", "5.25%", "5.5%", "5.75%", "6%", "6.25%", "6.5%",
                                        "6.75%"}));
        QCOMPARE(model->markedRow(), 26);
        QCOMPARE(model->cellText(26, 0), QString("$100,000"));
        QCOMPARE(model->cellText(26, 4), QString("$644.31"));
        QCOMPARE(model->cellText(1, 0), QString("$50,000"));
        QCOMPARE(model->cellText(1, 1), QString("$299.63"));
        QCOMPARE(firstRowInView, 22);  // grid row 23, the first amount row in view
        QCOMPARE(test::Child<QLineEdit>(grid(), "MAmt")->text(), QString("100000"));
        QCOMPARE(test::Child<QLineEdit>(grid(), "InterestR")->text(), QString("6"));
        QCOMPARE(test::Child<QLineEdit>(grid(), "Years")->text(), QString("25"));
        QCOMPARE(test::Child<QComboBox>(grid(), "AmountStep")->currentText(), QString("2000"));
        QCOMPARE(test::Child<QComboBox>(grid(), "InterestStep")->currentText(), QString("0.25"));
    }

    void gridHighlightsTheTypedRateAndAmount() {
        QCOMPARE(FillFor(0, 0, 26), GridCellFill::Heading);
        QCOMPARE(FillFor(5, 0, 26), GridCellFill::Heading);
        QCOMPARE(FillFor(0, 4, 26), GridCellFill::Heading);
        QCOMPARE(FillFor(5, 4, 26), GridCellFill::Marked);
        QCOMPARE(FillFor(26, 2, 26), GridCellFill::Marked);
        QCOMPARE(FillFor(26, 4, 26), GridCellFill::Crossing);
        QCOMPARE(FillFor(5, 3, 26), GridCellFill::Ordinary);

        p_.typeLoan("5000", "25", "6");  // below four steps: the typed amount is row 1
        QImage painted;
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "MortgageGridBtn"), [&](QWidget*) {
            painted = test::Child<QTableView>(grid(), "MGrid")->viewport()->grab().toImage();
        }));
        QCOMPARE(grid()->model()->markedRow(), 1);
        const QTableView* view = test::Child<QTableView>(grid(), "MGrid");
        auto colourAt = [&](int row, int column) {
            const QRect cell = view->visualRect(grid()->model()->index(row, column));
            return painted.pixelColor(cell.right() - 2, cell.bottom() - 2);
        };
        QCOMPARE(colourAt(0, 4), QColor(67, 213, 255));
        QCOMPARE(colourAt(0, 2), QColor(0, 255, 255));
        QCOMPARE(colourAt(1, 4), QColor(0, 255, 255));
        QCOMPARE(colourAt(1, 0), QColor(192, 192, 192));
    }

    void gridChecksOnOpening_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("message");
        QTest::newRow("amount") << "-5"
                                << ""
                                << ""
                                << "You must enter a Loan amount between 0 and 999999999";
        QTest::newRow("term") << "1000"
                              << "51"
                              << ""
                              << "You must enter a period  between 0 and 50";
        QTest::newRow("empty rate") << "1000"
                                    << "5"
                                    << ""
                                    << "You must enter an interest rate between 0 and 100.";
        QTest::newRow("zero rate") << "1000"
                                   << "5"
                                   << "0"
                                   << "You must enter an interest rate between 0 and 100.";
    }
    void gridChecksOnOpening() {
        QFETCH(QString, amount);
        QFETCH(QString, years);
        QFETCH(QString, rate);
        QFETCH(QString, message);
        p_.typeLoan(amount, years, rate);
        QVERIFY(!test::OpenWith(test::Child<QPushButton>(loan(), "MortgageGridBtn")));
        QCOMPARE(messages(), QStringList({message}));
    }

    void gridWindowRecalculatesWithItsSteps() {
        p_.typeLoan("100000", "25", "6");
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "MortgageGridBtn"), [&](QWidget*) {
            test::Child<QComboBox>(grid(), "AmountStep")
                ->setCurrentIndex(test::Child<QComboBox>(grid(), "AmountStep")->findText("10000"));
            QTest::mouseClick(test::Child<QPushButton>(grid(), "SpeedButton1"), Qt::LeftButton);
        }));
        QCOMPARE(grid()->model()->rowCount(), 11);  // k = 5
        QCOMPARE(grid()->model()->cellText(grid()->model()->markedRow(), 0), QString("$100,000"));
        // The step stays chosen for the next opening, from the tool bar.
        QVERIFY(test::OpenWith(p_.window->findChild<QToolButton*>("BitBtn7")));
        QCOMPARE(test::Child<QComboBox>(grid(), "AmountStep")->currentText(), QString("10000"));
        QCOMPARE(grid()->model()->rowCount(), 11);

        // The window's own checks show the grid button's messages.
        test::Child<QLineEdit>(grid(), "InterestR")->setText("0");
        QTest::mouseClick(test::Child<QPushButton>(grid(), "SpeedButton1"), Qt::LeftButton);
        QCOMPARE(messages(), QStringList({"You must enter an interest rate between 0 and 100."}));
        QCOMPARE(grid()->model()->rowCount(), 11);
    }

    void gridScrollsToTheTypedAmountAfterEveryFill_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("then");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("halfCount");
        QTest::newRow("one row, then 51") << "1000"
                                          << "100000"
                                          << "2000" << 25;
        QTest::newRow("101 rows, then 1001") << "100000"
                                             << "500000"
                                             << "1000" << 250;
        QTest::newRow("501 rows, then 101") << "500000"
                                            << "100000"
                                            << "1000" << 50;
        // The last rows fill the view: it still stops at a whole row.
        QTest::newRow("11 rows") << "100000"
                                 << "100000"
                                 << "10000" << 5;
    }
    void gridScrollsToTheTypedAmountAfterEveryFill() {
        QFETCH(QString, first);
        QFETCH(QString, then);
        QFETCH(QString, step);
        QFETCH(int, halfCount);
        p_.typeLoan(first, "25", "6");
        test::Child<QComboBox>(grid(), "AmountStep")
            ->setCurrentIndex(test::Child<QComboBox>(grid(), "AmountStep")->findText(step));
        int topRow = -1;
        int topEdge = -1;
        int focusRow = -1;
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "MortgageGridBtn"), [&](QWidget*) {
            test::Retype(test::Child<QLineEdit>(grid(), "MAmt"), then);
            QTest::mouseClick(test::Child<QPushButton>(grid(), "SpeedButton1"), Qt::LeftButton);
            auto* view = test::Child<QTableView>(grid(), "MGrid");
            topRow = view->rowAt(0);
            topEdge = view->visualRect(grid()->model()->index(topRow, 0)).top();
            // Tabbing into the grid lands on the typed amount and keeps the scroll.
            view->setFocus(Qt::TabFocusReason);
            focusRow = view->currentIndex().row();
            QCOMPARE(view->rowAt(0), topRow);
        }));
        QCOMPARE(grid()->model()->markedRow(), halfCount + 1);
        // Grid row k - 2 (model row k - 3) stands whole at the top.
        QCOMPARE(topRow, halfCount - 3);
        QCOMPARE(topEdge, 0);
        QCOMPARE(focusRow, halfCount);
    }

    void focusedGridCellIsMarked() {
        p_.typeLoan("100000", "30", "6");
        QImage unfocused;
        QImage focused;
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "MortgageGridBtn"), [&] {
            auto* view = test::Child<QTableView>(grid(), "MGrid");
            const QRect cell = view->visualRect(view->currentIndex());
            unfocused = view->viewport()->grab(cell).toImage();
            QApplication::setActiveWindow(grid());
            view->setFocus(Qt::TabFocusReason);
            QVERIFY(view->hasFocus());
            focused = view->viewport()->grab(cell).toImage();
        }));
        QVERIFY(!unfocused.isNull());
        QVERIFY(focused != unfocused);
    }

    void tabLeavesTheTable_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("table");
        QTest::newRow("grid") << "MortgageGridBtn"
                              << "MGrid";
        QTest::newRow("schedule") << "SpeedButton2"
                                  << "MSGrid";
    }
    void tabLeavesTheTable() {
        QFETCH(QString, opener);
        QFETCH(QString, table);
        p_.typeLoan("100000", "30", "6");
        QString before;
        QString after;
        QVERIFY(test::OpenWith(loan()->findChild<QPushButton*>(opener), [&](QWidget* window) {
            auto* view = window->findChild<QTableView*>(table);
            // The window's own focus: offscreen, the dialog need not be the active window.
            view->setFocus(Qt::TabFocusReason);
            before = window->focusWidget()->objectName();
            QTest::keyClick(view, Qt::Key_Tab);
            after = window->focusWidget()->objectName();
        }));
        QCOMPARE(before, table);
        QVERIFY2(after != table, qPrintable(after));
    }

    void enterInAFieldCalculatesOnce_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("field");
        QTest::newRow("grid") << "MortgageGridBtn"
                              << "MAmt";
        QTest::newRow("schedule") << "SpeedButton2"
                                  << "MSAmount";
    }
    void enterInAFieldCalculatesOnce() {
        QFETCH(QString, opener);
        QFETCH(QString, field);
        p_.typeLoan("1000", "5", "6");
        QVERIFY(test::OpenWith(loan()->findChild<QPushButton*>(opener), [&](QWidget* window) {
            auto* e = window->findChild<QLineEdit*>(field);
            test::Retype(e, "abc");
            QTest::keyClick(e, Qt::Key_Return);
        }));
        QCOMPARE(messages().size(), 1);
    }

    void clickingTheChosenDisplayAgainDoesNotRecalculate() {
        p_.typeLoan("1000", "5", "6");
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2"), [&](QWidget*) {
            test::Child<QLineEdit>(schedule(), "MSAmount")->setText("abc");
            QTest::mouseClick(test::Child<QRadioButton>(schedule(), "Year"), Qt::LeftButton);
        }));
        QVERIFY(messages().isEmpty());
        QCOMPARE(schedule()->model()->rowCount(), 5);
    }

    void largestTextsFitTheirColumns() {
        p_.typeLoan("999999999", "0", "100", "1");
        test::Choose(test::Child<QComboBox>(loan(), "MPayment"), "Annualy");
        test::Choose(test::Child<QComboBox>(loan(), "MCompounded"), "Daily");
        test::Child<QComboBox>(grid(), "AmountStep")
            ->setCurrentIndex(test::Child<QComboBox>(grid(), "AmountStep")->findText("10000"));
        test::Child<QComboBox>(grid(), "InterestStep")
            ->setCurrentIndex(test::Child<QComboBox>(grid(), "InterestStep")->findText("2"));
        test::Child<QLineEdit>(loan(), "Period")->setText("1");
        auto* view = test::Child<QTableView>(grid(), "MGrid");
        int wholeRows = -1;
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "MortgageGridBtn"), [&] {
            wholeRows = view->viewport()->height() % view->verticalHeader()->defaultSectionSize();
        }));
        // The sideways scroll bar these columns need leaves the view whole rows.
        QCOMPARE(wholeRows, 0);
        const GridModel* model = grid()->model();
        QFont bold = test::Child<QTableView>(grid(), "MGrid")->font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        for (int c = 0; c < 8; ++c) {
            const QString text = model->cellText(model->rowCount(), c);
            QVERIFY2(metrics.horizontalAdvance(text) + 3 <=
                         test::Child<QTableView>(grid(), "MGrid")->columnWidth(c),
                     qPrintable(text));
        }
        QCOMPARE(model->cellText(model->rowCount(), 0), QString("$1,009,989,999"));

        // The schedule's accumulated interest over the longest dearest loan.
        p_.typeLoan("999999999", "50", "100", "365");
        test::Choose(test::Child<QComboBox>(loan(), "MPayment"), "Daily");
        test::Child<QLineEdit>(loan(), "MPartyear")->setText("365");
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2")));
        const ScheduleModel* rows = schedule()->model();
        for (int c = 0; c < 6; ++c) {
            const QString text = rows->cellText(rows->rowCount() - 1, c);
            QVERIFY2(schedule()->fontMetrics().horizontalAdvance(text) + 3 <=
                         test::Child<QTableView>(schedule(), "MSGrid")->columnWidth(c),
                     qPrintable(text));
        }
    }

    void nothingIsCutOffInTheTableWindows() {
        p_.typeLoan("100000", "25", "6", "3");
        for (const char* frequency : {"Monthly", "Bi-Monthly", "Annualy", "Daily"}) {
            test::Choose(test::Child<QComboBox>(loan(), "MPayment"), frequency);
            QStringList cut;
            QList<QRect> places;
            auto look = [&](QWidget* window) {
                cut << test::CutOff(window);
                for (const char* name : {"MSAmount", "MSInterest", "MSPeriod", "MSGrid"}) {
                    if (auto* w = window->findChild<QWidget*>(name)) {
                        places << test::PlaceInWindow(w);
                    }
                }
            };
            QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "MortgageGridBtn"), look));
            QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2"), look));
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
            static QList<QRect> monthly = places;
            QCOMPARE(places, monthly);
        }
    }

    void copyAndExportGiveTheShownFiguresAsPlainNumbers() {
        // A shown money text as a spreadsheet wants it: no symbol, no grouping.
        auto plain = [](QString shown) { return shown.remove('$').remove(','); };
        p_.typeLoan("100000", "30", "6");
        QTemporaryDir folder;
        p_.dialogs.saveChoices = {folder.filePath("schedule"), std::nullopt};
        QString copied;
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2"), [&](QWidget* w) {
            auto* grid = test::Child<QTableView>(w, "MSGrid");
            grid->selectionModel()->select(
                QItemSelection(grid->model()->index(1, 0), grid->model()->index(2, 3)),
                QItemSelectionModel::Select);
            test::Child<QAction>(grid, "CopyAction")->trigger();
            copied = QApplication::clipboard()->text();
            QTest::mouseClick(test::Child<QPushButton>(w, "ExportBtn"), Qt::LeftButton);
            QTest::mouseClick(test::Child<QPushButton>(w, "ExportBtn"),
                              Qt::LeftButton);  // cancelled
        }));
        const ScheduleModel* model = schedule()->model();
        QStringList expected;
        for (int row = 1; row <= 2; ++row) {
            QStringList cells;
            for (int c = 0; c < 4; ++c) {
                cells << plain(model->cellText(row, c));
            }
            expected << cells.join('\t');
        }
        QCOMPARE(copied, expected.join('\n') + '\n');

        QFile file(folder.filePath("schedule.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), model->rowCount() + 1);
        QCOMPARE(lines[0], QString("Year,Interest,Capital Reduction,Outstanding Balance,"
                                   "Accumulated Interest,Accumulated Capital"));
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int c = 0; c < ScheduleColumnCount; ++c) {
                cells << plain(model->cellText(row, c));
            }
            QCOMPARE(lines[row + 1], cells.join(','));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"schedule.csv"}));
    }

    void exportSuggestsTheWindowsFileInTheLastFolder() {
        QTemporaryDir folder;
        p_.dialogs.saveChoices = {folder.filePath("first"), std::nullopt, std::nullopt};
        for (const char* window : {"MORTAGEGRID", "MSCHEDULE", "AdditionalP"}) {
            test::Child<QPushButton>(test::Child<QWidget>(p_.window.get(), window), "ExportBtn")
                ->click();
        }
        QStringList offered;
        for (const auto& [which, setup] : p_.dialogs.fileDialogs) {
            offered << QDir(setup.folder).filePath(setup.name) + (setup.confirmReplace ? " ?" : "");
        }
        const QDir documents(DocumentsFolder()), last(folder.path());
        QCOMPARE(offered, QStringList({documents.filePath("Loan Grid.csv ?"),
                                       last.filePath("Loan Schedule.csv ?"),
                                       last.filePath("Additional Payments.csv ?")}));
    }

    void anExportNotWrittenNamesTheFileAndWhy() {
        p_.typeLoan("100000", "30", "6");
        p_.dialogs.saveChoices = {"/nonexistent/schedule"};
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2"), [&](QWidget* w) {
            QTest::mouseClick(test::Child<QPushButton>(w, "ExportBtn"), Qt::LeftButton);
        }));
        QCOMPARE(
            p_.messages(),
            QStringList{"Could not write /nonexistent/schedule.csv\nNo such file or directory"});
        QCOMPARE(KindOf(p_.dialogs.shown.front().message.cause), MessageKind::Error);
    }

    static void eachTableWindow() {
        QTest::addColumn<int>("k");
        for (int k = 0; k < 3; ++k) {
            QTest::newRow(Tables[k].window) << k;
        }
    }

    void tableWindowsGrowAndOpenAsLastClosed_data() { eachTableWindow(); }
    void tableWindowsGrowAndOpenAsLastClosed() {
        QFETCH(int, k);
        const auto shown = [&] { return test::Child<QDialog>(p_.window.get(), Tables[k].window); };
        p_.settings.remembered.clear();
        p_.stop();
        QVERIFY(p_.start());
        QDialog* window = shown();
        const QSize least = window->minimumSize();
        QCOMPARE(least.expandedTo(QSize(Tables[k].width, Tables[k].height)), least);
        QCOMPARE(window->size(), least);
        window->show();
        window->resize(least - QSize(50, 50));
        QCOMPARE(window->size(), least);
        auto* view = test::Child<QTableView>(window, Tables[k].table);
        const QSize room = view->viewport()->size();
        window->resize(least + QSize(200, 90));
        QCoreApplication::processEvents();
        // The table takes the room: more rows, and its columns share the width
        // with the heading panels over them (the grid's headings are its own).
        QVERIFY(view->viewport()->height() >
                room.height() + 90 - view->verticalHeader()->defaultSectionSize());
        QCOMPARE(view->viewport()->width(), room.width() + 200);
        QList<QRect> panels;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->frameStyle() == (QFrame::Panel | QFrame::Raised) &&
                !label->text().isEmpty()) {
                panels << test::PlaceInWindow(label);
            }
        }
        int columns = 0;
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            const QRect column(
                view->viewport()->mapTo(window, QPoint(view->columnViewportPosition(c), 0)),
                QSize(view->columnWidth(c), 1));
            QVERIFY(panels.isEmpty() || QPoint(panels.value(c).x(), panels.value(c).width()) ==
                                            QPoint(column.x(), column.width()));
            columns += column.width();
        }
        QCOMPARE(columns, room.width() + 200);
        window->move(30, 40);
        window->close();
        // It comes back no larger than the screen (offscreen, narrower than most
        // of these windows), nor below its least.
        const QSize kept = (least + QSize(200, 90))
                               .boundedTo(window->screen()->availableGeometry().size())
                               .expandedTo(least);
        p_.stop();
        QVERIFY(p_.start());
        window = shown();
        QCOMPARE(std::pair(window->size(), window->pos()), std::pair(kept, QPoint(30, 40)));
        window->show();
        QCoreApplication::processEvents();
        QCOMPARE(window->minimumSize(), least);  // whatever the grown table asks
    }

    void tableMenuSelectsAllAndCopiesUnderTheHeadings_data() { eachTableWindow(); }
    void tableMenuSelectsAllAndCopiesUnderTheHeadings() {
        QFETCH(int, k);
        auto* w = test::Child<TableWindow>(p_.window.get(), Tables[k].window);
        w->copyLoan({"1000", "12", "2", ""});
        QTest::mouseClick(test::Child<QPushButton>(w, Tables[k].calculate), Qt::LeftButton);
        auto* view = test::Child<QTableView>(w, Tables[k].table);
        QStringList menu;
        for (QAction* action : view->actions()) {
            QVERIFY(action->isShortcutVisibleInContextMenu());
            menu << action->text() + ' ' + action->shortcut().toString();
        }
        QCOMPARE(menu, QStringList({"Copy Ctrl+C", "Select All Ctrl+A"}));
        test::Child<QAction>(view, "SelectAllAction")->trigger();
        test::Child<QAction>(view, "CopyAction")->trigger();
        const QString copied = QApplication::clipboard()->text();
        const auto* model = static_cast<const TableModel*>(view->model());
        QCOMPARE(copied, QString::fromStdString(TabText(model->plainRows())));
        QVERIFY2(copied.startsWith(Tables[k].firstHeadings), qPrintable(copied));
        // One cell short of the whole table is a part of it: no heading line.
        view->selectionModel()->select(model->index(0, 0), QItemSelectionModel::Deselect);
        test::Child<QAction>(view, "CopyAction")->trigger();
        QCOMPARE(QApplication::clipboard()->text().count('\n'), model->rowCount());
    }

    void helpTopicsOfTheWindows() {
        QTest::mouseClick(test::Child<QToolButton>(grid(), "BitBtn2"), Qt::LeftButton);
        QTest::mouseClick(test::Child<QToolButton>(schedule(), "BitBtn2"), Qt::LeftButton);
        QCOMPARE(p_.help.topics, std::vector<int>({3, 4}));
    }
};

QTEST_MAIN(TableWindowsTest)
#include "TableWindowsTest.moc"
