// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <vector>

#include "ProgramUnderTest.h"
#include "ui/BalanceChartWindow.h"
#include "ui/Controls.h"
#include "ui/ExtraScheduleWindow.h"
#include "ui/LoanPage.h"
#include "ui/MainWindow.h"
#include "ui/RowsTableModel.h"
#include "ui/TermReductionWindow.h"

using namespace corbel;
using namespace corbel::ui;

namespace {

using Step = std::function<void(QWidget*)>;

void Click(QWidget* root, const char* name) {
    QTest::mouseClick(test::Child(root, name), Qt::LeftButton);
}

}  // namespace

class AdditionalPaymentsTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest p_;

    LoanPage* loan() { return p_.window->loanPage(); }
    QWidget* options() { return test::Child(p_.window.get(), "APOPTIONS"); }
    QWidget* specific() { return test::Child(p_.window.get(), "ADDMONTHLYR"); }
    TermReductionWindow* table() {
        return test::Child<TermReductionWindow>(p_.window.get(), "AdditionalP");
    }
    QLineEdit* field(QWidget* window, const char* name) {
        return test::Child<QLineEdit>(window, name);
    }
    QString text(QWidget* window, const char* name) {
        if (auto* label = window->findChild<QLabel*>(name)) {
            return label->text();
        }
        return field(window, name)->text();
    }

    void typeLoan(const QString& amount, const QString& years, const QString& rate,
                  const char* frequency = "Monthly") {
        test::Choose(test::Child<QComboBox>(loan(), "MPayment"), frequency);
        for (auto [name, typed] :
             {std::pair{"MAmount", amount}, {"Period", years}, {"IRate", rate}}) {
            test::Retype(field(loan(), name), typed);
        }
    }

    // Clicks `button`, then runs each step on the modal window in front at its
    // turn (a step may open the next window) and closes that window if the step
    // left it open. Returns the names of the modal windows met, in order.
    QStringList through(QWidget* button, std::vector<Step> steps) {
        QStringList met;
        std::function<void(std::size_t)> next = [&](std::size_t k) {
            QTimer::singleShot(0, this, [&, k] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal) {
                    return;
                }
                met << modal->objectName();
                if (k + 1 < steps.size()) {
                    next(k + 1);
                }
                steps[k](modal);
                if (modal->isVisible()) {
                    modal->close();
                }
            });
        };
        next(0);
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();  // the timer fires here when nothing opened
        return met;
    }
    QWidget* opener() { return test::Child(loan(), "SpeedButton3"); }
    // Opens the options window from the Loan page and chooses `choice` there.
    QStringList open(
        const char* choice, const Step& inspect = [](QWidget*) {}) {
        return through(opener(), {[=](QWidget* w) {
                                      Click(w, choice);
                                      Click(w, "BitBtn2");
                                  },
                                  inspect});
    }

    QStringList shownRow(int row) {
        const QAbstractItemModel* shown = test::Child<QTableView>(table(), "APGrid")->model();
        QStringList cells;
        for (int c = 0; c < shown->columnCount(); ++c) {
            cells << shown->index(row, c).data().toString();
        }
        return cells;
    }
    QStringList titles() const {
        QStringList shown;
        for (const auto& box : p_.dialogs.shown) {
            shown << QString::fromStdString(box.title);
        }
        return shown;
    }

  private slots:
    void init() { QVERIFY(p_.start()); }
    void cleanup() { p_.stop(); }

    void startUpCaptionsAndChoices() {
        QCOMPARE(text(options(), "Label2"),
                 QString("Compare the additional payments required to reduce the Loan by "
                         "different periods."));
        QVERIFY(test::Child<QRadioButton>(options(), "Specific")->isChecked());
        QCOMPARE(test::Child<QRadioButton>(specific(), "Now")->text(),
                 QString("From the start of the Loan"));
        QVERIFY(test::Child<QRadioButton>(specific(), "Now")->isChecked());
        QCOMPARE(text(table(), "Label10"), QString("Years to pay off Loan"));
        QCOMPARE(text(table(), "MortgageLabel"),
                 QString("The table below shows the additional payment required to pay off the "
                         "Loan in the number of years indicated. It also shows the saving on "
                         "interest charges achieved by paying off the Loan in a shorter period."));
        QCOMPARE(TypingLimit(field(specific(), "Year")), 2);
        QCOMPARE(TypingLimit(field(specific(), "StartMonth")), 3);
    }

    void tableOpensWithTheWorkedExamples_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<bool>("inAdvance");
        QTest::addColumn<QString>("repayment");
        QTest::addColumn<QStringList>("twoYears");
        QTest::addColumn<QStringList>("oneYear");
        QTest::newRow("Loan page, in arrears")
            << "SpeedButton3" << false << "$47.08"
            << QStringList{"2", "$0.00", "$47.08", "$129.74", "$0.00"}
            << QStringList{"1", "$41.77", "$88.85", "$66.18", "$63.56"};
        QTest::newRow("tool bar, in advance")
            << "BitBtn11" << true << "$46.61"
            << QStringList{"2", "$0.00", "$46.61", "$118.57", "$0.00"}
            << QStringList{"1", "$41.36", "$87.97", "$55.63", "$62.94"};
    }
    void tableOpensWithTheWorkedExamples() {
        QFETCH(QString, opener);
        QFETCH(bool, inAdvance);
        QFETCH(QString, repayment);
        QFETCH(QStringList, twoYears);
        QFETCH(QStringList, oneYear);
        typeLoan("1000", "2", "12");
        if (inAdvance) {
            Click(loan(), "MAdvance");
        }
        QWidget* button = p_.window->findChild<QWidget*>(opener);
        QStringList rows[2];
        const QStringList met = through(button, {[](QWidget* w) {
                                                     Click(w, "Grid");
                                                     Click(w, "BitBtn2");
                                                 },
                                                 [&](QWidget*) {
                                                     rows[0] = shownRow(0);
                                                     rows[1] = shownRow(1);
                                                 }});
        QCOMPARE(met, QStringList({"APOPTIONS", "AdditionalP"}));
        QCOMPARE(table()->windowTitle(), QString("Additional Payments"));
        QCOMPARE(table()->model()->rowCount(), 2);
        QCOMPARE(rows[0], twoYears);
        QCOMPARE(rows[1], oneYear);
        QCOMPARE(text(table(), "APMonthlyR"), repayment);
        QCOMPARE(text(table(), "APAmount"), QString("1000"));
        QCOMPARE(text(table(), "APInterest"), QString("12"));
        QCOMPARE(text(table(), "APPeriod"), QString("2"));
        QVERIFY(!options()->isVisible());
        QVERIFY(p_.dialogs.shown.empty());
    }

    void optionsChoicesOpenTheirWindow_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("met");
        QTest::newRow("as started")
            << QStringList{"BitBtn2"} << QStringList{"APOPTIONS", "ADDMONTHLYR"};
        QTest::newRow("table caption")
            << QStringList{"Label2", "BitBtn2"} << QStringList{"APOPTIONS", "AdditionalP"};
        QTest::newRow("table button")
            << QStringList{"Grid", "BitBtn2"} << QStringList{"APOPTIONS", "AdditionalP"};
        QTest::newRow("specific caption after the table")
            << QStringList{"Grid", "Label1", "BitBtn2"} << QStringList{"APOPTIONS", "ADDMONTHLYR"};
        QTest::newRow("cancel") << QStringList{"Grid", "BitBtn1"} << QStringList{"APOPTIONS"};
    }
    void optionsChoicesOpenTheirWindow() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, met);
        typeLoan("1000", "2", "12");
        QCOMPARE(through(opener(), {[&](QWidget* w) {
                                        for (const QString& name : clicks) {
                                            Click(w, name.toUtf8().constData());
                                        }
                                    },
                                    [](QWidget*) {}}),
                 met);
        QVERIFY(!options()->isVisible());
    }

    void openingChecksTheLoanInOrder_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("amount first")
            << "abc"
            << "99"
            << "0"
            << "You must enter a valid Loan amount between 0 and 999999999"
            << "Information";
        QTest::newRow("term second") << "0"
                                     << ""
                                     << "0"
                                     << "You must enter a period "
                                     << "Confirm";
        QTest::newRow("rate last") << "1000"
                                   << "5"
                                   << "0"
                                   << "You must enter a valid interest rate between 0 and 100"
                                   << "Information";
    }
    void openingChecksTheLoanInOrder() {
        QFETCH(QString, amount);
        QFETCH(QString, years);
        QFETCH(QString, rate);
        QFETCH(QString, message);
        QFETCH(QString, title);
        typeLoan(amount, years, rate);
        QCOMPARE(through(opener(), {[](QWidget*) {}}), QStringList());
        QCOMPARE(p_.messages(), QStringList({message}));
        QCOMPARE(titles(), QStringList({title}));
    }

    void tableFrequencyWords_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("calculated");
        QTest::newRow("Annualy") << "Annualy"
                                 << "Yearly"
                                 << "Annual";
        QTest::newRow("Monthly") << "Monthly"
                                 << "Monthly"
                                 << "Monthly";
        QTest::newRow("Bi-Monthly") << "Bi-Monthly"
                                    << "1/2 Monthly"
                                    << "Half Monthly";
    }
    void tableFrequencyWords() {
        QFETCH(QString, frequency);
        QFETCH(QString, opened);
        QFETCH(QString, calculated);
        typeLoan("1000", "2", "12", frequency.toUtf8().constData());
        QStringList onOpening;
        QStringList afterCalculate;
        QVERIFY(!open("Grid", [&](QWidget* w) {
                     for (const char* name : {"Label5", "Label7", "Label8"}) {
                         onOpening << text(w, name);
                     }
                     Click(w, "SpeedButton2");
                     for (const char* name : {"Label5", "Label7", "Label8"}) {
                         afterCalculate << text(w, name);
                     }
                 }).isEmpty());
        const QString additional = "Additional " + opened + " Payment Required";
        const QString total = "Total " + opened + " Payment";
        QCOMPARE(onOpening, QStringList({opened, additional, total}));
        QCOMPARE(afterCalculate, QStringList({calculated, additional, total}));
        QCOMPARE(text(table(), "Label12"), QString("Repayment"));
    }

    void tableCalculateChecksItsOwnFields_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("repayment");
        QTest::newRow("thousands separator") << "APAmount"
                                             << "1,000"
                                             << "You must enter a valid Loan amount between 0 "
                                                "and 999999999"
                                             << "$47.08";
        QTest::newRow("years") << "APPeriod"
                               << "51"
                               << "You must enter a period  between 0 and 50"
                               << "$47.08";
        QTest::newRow("part year") << "PartYear"
                                   << "13"
                                   << "You must enter a Month between 0 and 12"
                                   << "$47.08";
        QTest::newRow("rate") << "APInterest"
                              << ""
                              << "You must enter a valid interest rate between 0 and 100"
                              << "$47.08";
        QTest::newRow("its own amount") << "APAmount"
                                        << "2000"
                                        << ""
                                        << "$94.15";
    }
    void tableCalculateChecksItsOwnFields() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, repayment);
        typeLoan("1000", "2", "12");
        open("Grid", [&](QWidget* w) {
            test::Retype(this->field(w, field.toUtf8().constData()), typed);
            Click(w, "SpeedButton2");
        });
        QCOMPARE(p_.messages(), message.isEmpty() ? QStringList() : QStringList({message}));
        QCOMPARE(text(table(), "APMonthlyR"), repayment);
        QCOMPARE(table()->model()->rowCount(), 2);
        QCOMPARE(text(loan(), "MAmount"), QString("1000"));
    }

    void specificWindowCaptionsAndPlaceByFrequency_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("extraLabel");
        QTest::addColumn<QString>("startLabel");
        QTest::addColumn<bool>("startShown");
        QTest::newRow("Annualy") << "Annualy"
                                 << "Additional Annual Payment"
                                 << "and Year" << false;
        QTest::newRow("Bi-Annualy") << "Bi-Annualy"
                                    << "Additional Half Year Payment"
                                    << "and Half Year (1 - 2)" << true;
        QTest::newRow("Monthly") << "Monthly"
                                 << "Additional Monthly Payment"
                                 << "and Month (1 - 12)" << true;
        QTest::newRow("Daily") << "Daily"
                               << "Additional Daily Payment"
                               << "and Day (1 - 365)" << true;
    }
    void specificWindowCaptionsAndPlaceByFrequency() {
        QFETCH(QString, frequency);
        QFETCH(QString, extraLabel);
        QFETCH(QString, startLabel);
        QFETCH(bool, startShown);
        typeLoan("1000", "2", "12", frequency.toUtf8().constData());
        QPoint place;
        bool labelShown = false;
        bool fieldShown = false;
        open("Specific", [&](QWidget* w) {
            place = w->pos() - p_.window->pos();
            labelShown = test::Child(w, "Label6")->isVisible();
            fieldShown = test::Child(w, "StartMonth")->isVisible();
        });
        QCOMPARE(place, QPoint(3, 120));
        QCOMPARE(text(specific(), "Label1"), extraLabel);
        QCOMPARE(text(specific(), "Label6"), startLabel);
        QCOMPARE(labelShown, startShown);
        QCOMPARE(fieldShown, startShown);
    }

    void specificChecksInOrder_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<bool>("inYear");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        const QString amount = "You must enter a valid Loan amount between 0 and 999999999";
        const QString enterYear = "You must enter a year.";
        const QString yearRange = "You must enter a year between 1 and 2";
        const QString month = "You must enter a Month between 1 and 12";
        QTest::newRow("extra amount first") << "Monthly"
                                            << "abc" << true << ""
                                            << "13" << amount << "Information";
        QTest::newRow("no year") << "Monthly"
                                 << "10" << true << ""
                                 << "13" << enterYear << "Confirm";
        QTest::newRow("year 0") << "Monthly"
                                << "10" << true << "0"
                                << "" << enterYear << "Confirm";
        QTest::newRow("year past the loan") << "Monthly"
                                            << "10" << true << "3"
                                            << "" << yearRange << "Information";
        QTest::newRow("year below 1") << "Monthly"
                                      << "10" << true << "-1"
                                      << "" << yearRange << "Confirm";
        QTest::newRow("start period 13") << "Monthly"
                                         << "10" << true << "1"
                                         << "13" << month << "Confirm";
        QTest::newRow("start period checked from the start too") << "Monthly"
                                                                 << "10" << false << ""
                                                                 << "13" << month << "Confirm";
        QTest::newRow("empty start period counts as 1") << "Monthly"
                                                        << "10" << true << "2"
                                                        << ""
                                                        << ""
                                                        << "";
        QTest::newRow("daily start period 366") << "Daily"
                                                << "10" << true << "1"
                                                << "366"
                                                << "You must enter a Day between 1 and 365"
                                                << "Confirm";
        QTest::newRow("annual: the year alone") << "Annualy"
                                                << "10" << true << "2"
                                                << "13"
                                                << ""
                                                << "";
    }
    void specificChecksInOrder() {
        QFETCH(QString, frequency);
        QFETCH(QString, extra);
        QFETCH(bool, inYear);
        QFETCH(QString, year);
        QFETCH(QString, period);
        QFETCH(QString, message);
        QFETCH(QString, title);
        typeLoan("1000", "2", "12", frequency.toUtf8().constData());
        QString total;
        open("Specific", [&](QWidget* w) {
            Click(w, "RadioButton2");
            test::Retype(field(w, "AdditionalMR"), extra);
            test::Retype(field(w, "Year"), year);
            field(w, "StartMonth")->setText(period);  // hidden for annual repayments
            if (!inYear) {
                Click(w, "Now");
            }
            Click(w, "BitBtn1");
            total = text(w, "TotalInterest");
        });
        QCOMPARE(p_.messages(), message.isEmpty() ? QStringList() : QStringList({message}));
        QCOMPARE(titles(), title.isEmpty() ? QStringList() : QStringList({title}));
        QCOMPARE(total.isEmpty(), !message.isEmpty());
    }

    void extraPaymentExampleThenOKEmptiesTheResults() {
        typeLoan("1000", "2", "12");
        const char* results[] = {"TotalInterest", "NewInterest", "InterestSaved", "NewPeriod"};
        QStringList shown;
        open("Specific", [&](QWidget* w) {
            test::Retype(field(w, "AdditionalMR"), "10");
            Click(w, "BitBtn1");
            for (const char* name : results) {
                shown << text(w, name);
            }
            Click(w, "BitBtn2");
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(shown, QStringList({"$129.74", "$104.92", "$24.82",
                                     "You have paid off your 2 Year Loan in 1 Year and 8 Months"}));
        QStringList reopened;
        open("Specific", [&](QWidget* w) {
            for (const char* name : results) {
                reopened << text(w, name);
            }
        });
        QCOMPARE(reopened, QStringList({"", "", "", ""}));
        QCOMPARE(text(specific(), "AdditionalMR"), QString("10"));
    }

    // Schedule runs the fields as they stand (typed after the latest Calculate
    // too), so the schedule and the four fields are one run; a refused field
    // shows its message and opens nothing.
    void scheduleOpensTheRunOfTheFourFields() {
        typeLoan("1000", "2", "12");
        bool enabledAtFirst = true;
        QStringList shown;
        const auto specific = [&](QWidget* w) {
            enabledAtFirst = test::Child(w, "ScheduleBtn")->isEnabled();
            test::Retype(field(w, "AdditionalMR"), "20");
            Click(w, "BitBtn1");
            test::Retype(field(w, "AdditionalMR"), "10");
            Click(w, "ScheduleBtn");
            shown << text(w, "NewInterest") << text(w, "InterestSaved");
            test::Retype(field(w, "AdditionalMR"), "abc");
            Click(w, "ScheduleBtn");
            QVERIFY(!test::Child(w, "ScheduleBtn")->isEnabled());
        };
        const auto schedule = [&](QWidget* w) {
            shown << text(w, "HeadingLabel") << text(w, "MSMonthlyRepayment");
            Click(w, "Month");
            const QAbstractItemModel* rows = test::Child<QTableView>(w, "MSGrid")->model();
            for (const int column : {0, 3, 4}) {
                shown << rows->index(rows->rowCount() - 1, column).data().toString();
            }
            const auto& sets = static_cast<ExtraScheduleWindow*>(w)->rowSets();
            shown << QString::number(sets.withoutExtra.size())
                  << QString::number(sets.withExtra.size());
            // Graph draws both loans, each ending where its schedule ends.
            auto* graph = w->findChild<BalanceChartWindow*>();
            QVERIFY(test::OpenWith(test::Child<QPushButton>(w, "GraphBtn"), [&] {
                        for (const QLineSeries* series : graph->series()) {
                            shown << series->name() + " " +
                                         QString::number(series->points().back().x());
                        }
                    }) == graph);
            Click(w, "BitBtn2");
        };
        QCOMPARE(through(opener(), {[](QWidget* w) { Click(w, "BitBtn2"); }, specific, schedule}),
                 QStringList({"APOPTIONS", "ADDMONTHLYR", "EXTRASCHEDULE"}));
        QVERIFY(!enabledAtFirst);
        QCOMPARE(shown, QStringList({"With an extra $10.00 a repayment from repayment 1", "$57.08",
                                     "20", "$0.00", "$104.92", "24", "20",
                                     "Outstanding Balance (without the extra) 24",
                                     "Interest Paid (without the extra) 24",
                                     "Outstanding Balance (with the extra) 20",
                                     "Interest Paid (with the extra) 20", "$104.92", "$24.82"}));
        QCOMPARE(p_.messages(),
                 QStringList({"You must enter a valid Loan amount between 0 and 999999999"}));
        QCOMPARE(p_.help.topics, std::vector<int>({9}));
    }

    void nowClickEnablesTheStartFields() {
        struct Step {
            const char* click;  // nothing: as the program started
            bool year;
            bool startPeriod;
        };
        const Step steps[] = {{nullptr, false, true},
                              {"RadioButton2", true, true},
                              {"Now", false, false},
                              {"RadioButton2", true, true}};
        for (const Step& step : steps) {
            if (step.click) {
                Click(specific(), step.click);
            }
            const QString at = step.click ? step.click : "start";
            QVERIFY2(field(specific(), "Year")->isEnabled() == step.year, qPrintable(at));
            QVERIFY2(test::Child(specific(), "Label6")->isEnabled() == step.startPeriod,
                     qPrintable(at));
            QVERIFY2(field(specific(), "StartMonth")->isEnabled() == step.startPeriod,
                     qPrintable(at));
        }
    }

    void enterInAFieldCalculatesOnce_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("field");
        QTest::newRow("table") << "Grid"
                               << "APAmount";
        QTest::newRow("specific") << "Specific"
                                  << "AdditionalMR";
    }
    void enterInAFieldCalculatesOnce() {
        QFETCH(QString, choice);
        QFETCH(QString, field);
        typeLoan("1000", "2", "12");
        open(choice.toUtf8().constData(), [&](QWidget* w) {
            QLineEdit* e = this->field(w, field.toUtf8().constData());
            test::Retype(e, "abc");
            QTest::keyClick(e, Qt::Key_Return);
        });
        QCOMPARE(p_.messages().size(), 1);
    }

    void helpTopicsOfTheWindows() {
        typeLoan("1000", "2", "12");
        open("Grid", [](QWidget* w) { Click(w, "BitBtn2"); });
        open("Specific", [](QWidget* w) { Click(w, "BitBtn3"); });
        QCOMPARE(p_.help.topics, std::vector<int>({5, 6}));
    }

    void nothingCutOffAndFieldsKeepTheirPlace() {
        typeLoan("100000", "25", "6");
        const char* fields[] = {"AdditionalMR",  "Year",        "StartMonth",
                                "InterestSaved", "NewInterest", "APAmount",
                                "APPeriod",      "APMonthlyR",  "APGrid"};
        QList<QRect> monthly;
        for (const char* frequency : {"Monthly", "Bi-Monthly", "Annualy", "FortNightly", "Daily"}) {
            test::Choose(test::Child<QComboBox>(loan(), "MPayment"), frequency);
            QStringList cut;
            QList<QRect> places;
            const auto look = [&](QWidget* w) {
                cut << test::CutOff(w);
                for (const char* name : fields) {
                    if (auto* control = w->findChild<QWidget*>(name)) {
                        places << test::PlaceInWindow(control);
                    }
                }
                // The wrapped headings stand whole in their panels.
                for (const char* name : {"Label10", "Label7", "Label8", "Label9", "Label11"}) {
                    auto* heading = w->findChild<QLabel*>(name);
                    if (heading && heading->wordWrap() &&
                        heading->heightForWidth(heading->width()) > heading->height()) {
                        cut << name;
                    }
                }
            };
            through(opener(), {[&](QWidget* w) {
                                   cut << test::CutOff(w);
                                   Click(w, "Specific");
                                   Click(w, "BitBtn2");
                               },
                               look});
            open("Grid", look);
            QVERIFY2(cut.isEmpty(), qPrintable(QString(frequency) + ": " + cut.join(", ")));
            if (monthly.isEmpty()) {
                monthly = places;
            }
            QCOMPARE(places, monthly);
        }
    }
};

QTEST_MAIN(AdditionalPaymentsTest)
#include "AdditionalPaymentsTest.moc"
