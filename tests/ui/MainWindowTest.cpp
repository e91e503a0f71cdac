// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolButton>

#include "ProgramUnderTest.h"
#include "platform/LocaleRegional.h"
#include "ui/AboutWindow.h"
#include "ui/CaptionPanel.h"
#include "ui/MainWindow.h"

using namespace corbel;
using namespace corbel::ui;

class MainWindowTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest p_;

    template <typename T = QWidget>
    T* find(const char* name) {
        T* widget = p_.window->findChild<T*>(name);
        if (!widget) {
            qFatal("no control named %s", name);
        }
        return widget;
    }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    QString caption(const char* panel) { return find<CaptionPanel>(panel)->caption(); }

    void type(const char* field, const QString& text) { test::Retype(edit(field), text); }
    void typeLoan(const QString& amount, const QString& years, const QString& rate,
                  const QString& parts = QString()) {
        type("MAmount", amount);
        type("Period", years);
        type("MPartyear", parts);
        type("IRate", rate);
    }
    void choose(const char* list, const char* label) { test::Choose(find<QComboBox>(list), label); }
    QStringList messages() const { return p_.messages(); }

  private slots:
    void init() { QVERIFY(p_.start()); }
    void cleanup() { p_.stop(); }

    void startUpState() {
        QCOMPARE(p_.window->windowTitle(), QString("Corbelwright 1.07"));
        QCOMPARE(caption("Panel1"), QString("   Monthly Loan Payment is"));
        QCOMPARE(caption("Panel6"), QString("   Total Interest Charges are:"));
        QCOMPARE(find<QLabel>("Label98")->text(), QString("Month(s)"));
        for (const char* name :
             {"MAmount", "Period", "MPartyear", "IRate", "MonthlyRepayment", "TotalInterest"}) {
            QVERIFY2(edit(name)->text().isEmpty(), name);
        }
        QVERIFY(edit("MonthlyRepayment")->isReadOnly());
        QCOMPARE(edit("TotalInterest")->palette().color(QPalette::Base), QColor(67, 213, 255));
        QCOMPARE(edit("MAmount")->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(find<QComboBox>("MPayment")->currentText(), QString("Monthly"));
        QCOMPARE(find<QComboBox>("MCompounded")->currentText(), QString("Monthly"));
        QCOMPARE(find<QComboBox>("MPayment")->count(), 8);
        QVERIFY(!find<QComboBox>("MPayment")->isEditable());
        QVERIFY(find<QRadioButton>("MArrears")->isChecked());
        // The frequency change at start-up leaves the loan unsaved.
        QVERIFY(!p_.window->state().loanSaved);
        QVERIFY(!find<QCheckBox>("TrasferValuesCheckBox")->isVisible());
        QVERIFY(p_.window->minimumSize() == p_.window->maximumSize());
        QVERIFY(p_.window->centralWidget()->width() >= 525 &&
                p_.window->centralWidget()->height() >= 401);
    }

    void pagesInVisibleOrderWithTheSavingsTabHidden() {
        auto* pages = find<QTabWidget>("PageControl1");
        QStringList visible;
        for (int k = 0; k < pages->count(); ++k) {
            if (pages->isTabVisible(k)) {
                visible << pages->tabText(k);
            }
        }
        QCOMPARE(visible, QStringList({"Loan", "What If?", "Residual Value"}));
        QVERIFY(!pages->isTabVisible(pages->indexOf(find("MortgageSavingsTab"))));
        QCOMPARE(pages->currentWidget()->objectName(), QString("TabSheet1"));
    }

    void secondaryWindowsCreatedOnceInOrder() {
        // A window's children stand in the order they were created.
        QStringList names;
        for (QObject* child : p_.window->children()) {
            if (auto* w = qobject_cast<QDialog*>(child)) {
                names << w->objectName();
                QVERIFY(!w->isVisible());
            }
        }
        QCOMPARE(names, QStringList({"MORTAGEGRID", "MSCHEDULE", "APOPTIONS", "ADDMONTHLYR",
                                     "AdditionalP", "MortChartForm", "AboutForm"}));
    }

    void modalWindowsStayInSight() {
        QVERIFY(!(p_.window->windowFlags() & Qt::WindowMaximizeButtonHint));
        // A modal window offers no minimise; minimised anyway, it comes straight back.
        typeLoan("100000", "30", "6");
        Qt::WindowFlags flags;
        bool minimised = true;
        bool grows = false;  // to show more rows, and maximises
        QVERIFY(test::OpenWith(find<QPushButton>("MortgageGridBtn"), [&](QWidget* grid) {
            flags = grid->windowFlags();
            grows = grid->maximumSize().height() > grid->minimumSize().height() &&
                    (grid->windowFlags() & Qt::WindowMaximizeButtonHint);
            grid->setWindowState(Qt::WindowMinimized);
            QCoreApplication::processEvents();
            minimised = grid->isMinimized();
        }));
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!minimised);
        QVERIFY(grows);
    }

    void typingStopsAtTheFieldLimits_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("limit");
        for (auto [field, limit] :
             {std::pair{"MAmount", 9}, {"Period", 2}, {"MPartyear", 3}, {"IRate", 8}}) {
            QTest::newRow(field) << "TabSheet1" << field << limit;
        }
        for (auto [field, limit] : {std::pair{"WIInterest", 8}, {"WIPartYear", 3}}) {
            QTest::newRow(field) << "TabSheet4" << field << limit;
        }
        for (auto [field, limit] : {std::pair{"RVAmount", 9},
                                    {"RVInterest", 5},
                                    {"RVPeriod", 2},
                                    {"RVPartYear", 3},
                                    {"RVResValue", 9},
                                    {"RV2Percent", 5}}) {
            QTest::newRow(field) << "ResidualValueTab" << field << limit;
        }
    }
    void typingStopsAtTheFieldLimits() {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(int, limit);
        find<QTabWidget>("PageControl1")->setCurrentWidget(find(page.toUtf8().constData()));
        QLineEdit* e = edit(field.toUtf8().constData());
        type(field.toUtf8().constData(), "123456789012345");
        QCOMPARE(e->text(), QString("123456789012345").left(limit));
        // A longer text the program writes stays whole; typing can shorten it.
        e->setText("1234567890123456");
        QTest::keyClick(e, Qt::Key_End);
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClick(e, Qt::Key_0);
        QCOMPARE(e->text(), QString("123456789012345"));
    }

    void savingsPageCannotBeReached() {
        auto* pages = find<QTabWidget>("PageControl1");
        QStringList reached;
        auto press = [&](QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(target, key, modifiers);
            reached << pages->currentWidget()->objectName();
        };
        pages->setCurrentWidget(find("TabSheet4"));
        press(pages, Qt::Key_Tab, Qt::ControlModifier);
        press(pages, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QTabBar* bar = pages->tabBar();
        press(bar, Qt::Key_Right, Qt::NoModifier);
        press(bar, Qt::Key_Left, Qt::NoModifier);
        press(bar, Qt::Key_Left, Qt::NoModifier);
        press(pages, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(reached, QStringList({"ResidualValueTab", "TabSheet4", "ResidualValueTab",
                                       "TabSheet4", "TabSheet1", "ResidualValueTab"}));
        QVERIFY(!find("MortgageSavingsTab")->isVisible());
    }

    void fieldsKeepTheirPlaceWhateverTheCaptions_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("loan") << "TabSheet1"
                              << "MPayment"
                              << QStringList{"MAmount",          "Period",        "IRate",
                                             "MonthlyRepayment", "TotalInterest", "MPayment"};
        QTest::newRow("what if") << "TabSheet4"
                                 << "WIPayment"
                                 << QStringList{"WIPrincipal", "WIInterest", "WIPeriods",
                                                "WIRepay"};
        QTest::newRow("residual") << "ResidualValueTab"
                                  << "RVPayment"
                                  << QStringList{"RVAmount",     "RVInterest", "RVPeriod",
                                                 "RVMRepayment", "RVResValue", "RV1",
                                                 "RV2Percent",   "RV2",        "RVMR"};
    }
    void fieldsKeepTheirPlaceWhateverTheCaptions() {
        QFETCH(QString, page);
        QFETCH(QString, list);
        QFETCH(QStringList, fields);
        find<QTabWidget>("PageControl1")->setCurrentWidget(find(page.toUtf8().constData()));
        auto* frequencies = find<QComboBox>(list.toUtf8().constData());
        auto places = [&] {
            QList<QRect> rects;
            for (const QString& f : fields) {
                rects << test::PlaceInWindow(find(f.toUtf8().constData()));
            }
            return rects;
        };
        const QList<QRect> monthly = places();
        for (int k = 0; k < frequencies->count(); ++k) {
            frequencies->setCurrentIndex(k);
            QCoreApplication::processEvents();
            QVERIFY2(places() == monthly, qPrintable(frequencies->currentText()));
            QVERIFY2(test::CutOff(p_.window.get()).isEmpty(),
                     qPrintable(test::CutOff(p_.window.get()).join(", ")));
        }
    }

    void disabledToolBarButtonsLookDisabled() {
        // How far, on average, a button's pixels stand out from the band behind it.
        auto contrast = [this](const char* name) {
            auto* button = find<QToolButton>(name);
            const QImage shot = p_.window->grab().toImage();
            const QRect r = test::PlaceInWindow(button);
            const QColor band = shot.pixelColor(r.topLeft());
            double sum = 0;
            for (int y = r.top(); y <= r.bottom(); ++y) {
                for (int x = r.left(); x <= r.right(); ++x) {
                    const QColor c = shot.pixelColor(x, y);
                    sum += std::abs(c.red() - band.red()) + std::abs(c.green() - band.green()) +
                           std::abs(c.blue() - band.blue());
                }
            }
            return sum / (r.width() * r.height());
        };
        const char* buttons[] = {"BitBtn7", "BitBtn5", "BitBtn11", "BitBtn2"};
        std::vector<double> enabled;
        for (const char* b : buttons) {
            enabled.push_back(contrast(b));
        }
        find<QTabWidget>("PageControl1")->setCurrentWidget(find("TabSheet4"));
        for (std::size_t k = 0; k < std::size(buttons); ++k) {
            QVERIFY(!find<QToolButton>(buttons[k])->isEnabled());
            const double disabled = contrast(buttons[k]);
            QVERIFY2(
                disabled < enabled[k] * 0.7,
                qPrintable(
                    QString("%1: %2 against %3").arg(buttons[k]).arg(disabled).arg(enabled[k])));
        }
    }

    void partYearFieldFollowsTheFrequency() {
        type("MPartyear", "5");
        choose("MPayment", "Annualy");
        QVERIFY(!edit("MPartyear")->isVisible());
        QVERIFY(!find<QLabel>("Label98")->isVisible());
        QVERIFY(edit("MPartyear")->text().isEmpty());
        choose("MPayment", "Weekly");
        QVERIFY(edit("MPartyear")->isVisible());
        QVERIFY(edit("MPartyear")->text().isEmpty());
        QCOMPARE(find<QLabel>("Label98")->text(), QString("Week(s)"));
    }

    void paymentCaptionsByFrequency_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("unit");
        QTest::newRow("annual") << "Annualy"
                                << "   Annual Loan Payment is"
                                << "";
        QTest::newRow("half-year") << "Bi-Annualy"
                                   << "   Bi-Annual Loan Payment is"
                                   << "Half-Year(s)";
        QTest::newRow("quarter") << "Quarterly"
                                 << "   Quarterly Loan Payment is"
                                 << "Quarter(s)";
        QTest::newRow("month") << "Monthly"
                               << "   Monthly Loan Payment is"
                               << "Month(s)";
        QTest::newRow("half-month") << "Bi-Monthly"
                                    << "   Bi-Monthly Loan Payment is"
                                    << "Half-Month(s)";
        QTest::newRow("fortnight") << "FortNightly"
                                   << "   Fortnightly Loan Payment is"
                                   << "Fortnight(s)";
        QTest::newRow("week") << "Weekly"
                              << "   Weekly Loan Payment is"
                              << "Week(s)";
        QTest::newRow("day") << "Daily"
                             << "   Daily Loan Payment is"
                             << "Day(s)";
    }
    void paymentCaptionsByFrequency() {
        QFETCH(QString, frequency);
        QFETCH(QString, caption);
        QFETCH(QString, unit);
        choose("MPayment", "Daily");
        choose("MPayment", frequency.toUtf8().constData());
        QCOMPARE(this->caption("Panel1"), caption);
        if (!unit.isEmpty()) {
            QCOMPARE(find<QLabel>("Label98")->text(), unit);
        }
    }

    void toolBarTableButtonsOnlyOnTheLoanPage() {
        auto* pages = find<QTabWidget>("PageControl1");
        const char* buttons[] = {"BitBtn7", "BitBtn5", "BitBtn11", "BitBtn2"};
        pages->setCurrentWidget(find("TabSheet4"));
        for (const char* b : buttons) {
            QVERIFY2(!find<QToolButton>(b)->isEnabled(), b);
        }
        pages->setCurrentWidget(find("ResidualValueTab"));
        for (const char* b : buttons) {
            QVERIFY2(!find<QToolButton>(b)->isEnabled(), b);
        }
        pages->setCurrentWidget(find("TabSheet1"));
        for (const char* b : buttons) {
            QVERIFY2(find<QToolButton>(b)->isEnabled(), b);
        }
        QCOMPARE(find<QToolButton>("BitBtn2")->toolTip(), QString("View a  graph of your Loan"));
        QCOMPARE(find<QToolButton>("BitBtn11")->toolTip(),
                 QString("See the effect of additional payments on your Loan"));
        QCOMPARE(find<QToolButton>("ExitBtn")->text(), QString("Quit"));
    }

    void calculateTheWorkedLoans() {
        typeLoan("100000", "30", "6");
        QTest::mouseClick(find<QPushButton>("CalMortBtn"), Qt::LeftButton);
        QCOMPARE(edit("MonthlyRepayment")->text(), QString("$599.56"));
        QCOMPARE(edit("TotalInterest")->text(), QString("$115,832.08"));
        QVERIFY(p_.dialogs.shown.empty());

        QTest::mouseClick(find<QRadioButton>("MAdvance"), Qt::LeftButton);
        QVERIFY(find<QRadioButton>("MAdvance")->isChecked());
        // Enter in a field calculates.
        QTest::keyClick(edit("IRate"), Qt::Key_Return);
        QCOMPARE(edit("MonthlyRepayment")->text(), QString("$596.57"));
        QCOMPARE(edit("TotalInterest")->text(), QString("$114,762.88"));
    }

    void relabelledRepaymentIsEmptied() {
        typeLoan("100000", "30", "6");
        QTest::mouseClick(find<QPushButton>("CalMortBtn"), Qt::LeftButton);
        // A change that keeps the caption keeps the results.
        choose("MCompounded", "Daily");
        QCOMPARE(edit("MonthlyRepayment")->text(), QString("$599.56"));
        // A caption never names a frequency its value was not worked out for.
        choose("MPayment", "Quarterly");
        QVERIFY(edit("MonthlyRepayment")->text().isEmpty());
        QCOMPARE(edit("TotalInterest")->text(), QString("$115,832.08"));
    }

    void printCalculatesLikeCalculate() {
        typeLoan("100000", "30", "6");
        QTest::mouseClick(find<QPushButton>("PrintMortBtn"), Qt::LeftButton);
        QCOMPARE(edit("MonthlyRepayment")->text(), QString("$599.56"));
    }

    void badAmountLeavesBothResultsEmpty() {
        typeLoan("100000", "30", "6");
        QTest::mouseClick(find<QPushButton>("CalMortBtn"), Qt::LeftButton);
        type("MAmount", "abc");
        QTest::mouseClick(find<QPushButton>("CalMortBtn"), Qt::LeftButton);
        QVERIFY(edit("MonthlyRepayment")->text().isEmpty());
        QVERIFY(edit("TotalInterest")->text().isEmpty());
        QCOMPARE(p_.dialogs.shown.size(), std::size_t(1));
        QCOMPARE(messages().front(),
                 QString("You must enter a valid Loan amount between 0 and 999999999"));
        QCOMPARE(KindOf(p_.dialogs.shown.front().message.cause), MessageKind::Information);
        QCOMPARE(p_.dialogs.shown.front().title, std::string("Information"));
    }

    void termMessagesAreConfirmBoxes() {
        typeLoan("1000", "51", "6");
        QTest::mouseClick(find<QPushButton>("CalMortBtn"), Qt::LeftButton);
        QCOMPARE(messages(), QStringList({"You must enter a period  between 0 and 50"}));
        QCOMPARE(p_.dialogs.shown.front().title, std::string("Confirm"));
    }

    void earlyClearanceMessageComesBeforeTheTotalInterest() {
        typeLoan("1000", "50", "0.0001");
        QString repaymentWhileShown;
        QString totalWhileShown = "not shown";
        p_.dialogs.onMessage = [&](const Message&) {
            repaymentWhileShown = edit("MonthlyRepayment")->text();
            totalWhileShown = edit("TotalInterest")->text();
        };
        QTest::mouseClick(find<QPushButton>("CalMortBtn"), Qt::LeftButton);
        QCOMPARE(
            messages(),
            QStringList({"It is impossible to pay off this Loan in the specified time if the Loan "
                         "payment is rounded to 2 decimal places. If it is rounded it will be paid "
                         "off in 599 payments."}));
        QCOMPARE(repaymentWhileShown, QString("$1.67"));
        QVERIFY(totalWhileShown.isEmpty());
        QCOMPARE(edit("TotalInterest")->text(), QString("$0.00"));
    }

    void lastPaymentMessages_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("parts");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("message");
        QTest::newRow("worked loan")
            << "100000"
            << "30"
            << ""
            << "6"
            << "You will make 360 payments of $599.56 and your last payment will be $590.13";
        QTest::newRow("zero rate")
            << "1000"
            << ""
            << "3"
            << "0"
            << "You will make 3 payments of $333.33 and your last payment will be $333.34";
        QTest::newRow("amount 0")
            << "0"
            << "30"
            << ""
            << "6"
            << "You will make 1 payments of $0.00 and your last payment will be $0.00";
        QTest::newRow("one repayment")
            << "1000"
            << "0"
            << "1"
            << "12"
            << "You will make 1 payments of $1,010.00 and your last payment will be $1,010.00";
        QTest::newRow("rate above 100") << "1000"
                                        << "1"
                                        << ""
                                        << "100.01"
                                        << "You must enter a valid interest rate between 0 and 100";
    }
    void lastPaymentMessages() {
        QFETCH(QString, amount);
        QFETCH(QString, years);
        QFETCH(QString, parts);
        QFETCH(QString, rate);
        QFETCH(QString, message);
        typeLoan("1000", "1", "12");
        QTest::mouseClick(find<QPushButton>("CalMortBtn"), Qt::LeftButton);
        const QString results[] = {edit("MonthlyRepayment")->text(), edit("TotalInterest")->text()};
        QVERIFY(!results[0].isEmpty() && !results[1].isEmpty());
        typeLoan(amount, years, rate, parts);
        QTest::mouseClick(find<QPushButton>("BitBtn8"), Qt::LeftButton);
        QCOMPARE(messages(), QStringList({message}));
        const bool answer = message.startsWith("You will make");
        QCOMPARE(KindOf(p_.dialogs.shown.front().message.cause),
                 answer ? MessageKind::Confirm : MessageKind::Information);
        // Last Payment changes no field of the page.
        QCOMPARE(edit("MonthlyRepayment")->text(), results[0]);
        QCOMPARE(edit("TotalInterest")->text(), results[1]);
    }

    void inputChangesMarkTheLoanUnsaved() {
        p_.window->state().loanSaved = true;
        type("IRate", "5");
        QVERIFY(!p_.window->state().loanSaved);
        p_.window->state().loanSaved = true;
        choose("MCompounded", "Daily");
        QVERIFY(!p_.window->state().loanSaved);
        p_.window->state().loanSaved = true;
        QTest::mouseClick(find<QRadioButton>("MAdvance"), Qt::LeftButton);
        QVERIFY(!p_.window->state().loanSaved);
    }

    void helpAndAbout() {
        QTest::mouseClick(find<QToolButton>("BitBtn1"), Qt::LeftButton);
        QTest::mouseClick(find<QToolButton>("HelpBtn"), Qt::LeftButton);
        find<QAction>("Contents1")->trigger();
        QCOMPARE(p_.help.topics, std::vector<int>({2, 0, 0}));

        find<QAction>("About1")->trigger();
        auto* about = p_.window->findChild<AboutWindow*>();
        QVERIFY(about->isVisible());
        QVERIFY(!about->isModal());
        QCOMPARE(about->windowTitle(), QString("About Harrowmede"));
        QCOMPARE(test::Child<QLabel>(about, "VersionLabel")->text(), QString("Version 1.07"));
        QCOMPARE(test::Child<QLabel>(about, "HeadingLabel")->text(), QString("Corbelwright"));
        // The licence line as --version says it, whole, its address a link.
        auto* licence = test::Child<QLabel>(about, "LicenceLabel");
        QCOMPARE(QTextDocumentFragment::fromHtml(licence->text()).toPlainText(),
                 QString("License GPL-3.0-or-later: GNU GPL version 3 or later "
                         "<https://gnu.org/licenses/gpl.html>"));
        QVERIFY(licence->text().contains("<a href=\"https://gnu.org/licenses/gpl.html\">"));
        QVERIFY(licence->width() >= licence->sizeHint().width());
    }

    void menusCarryMnemonics() {
        QStringList entries;
        for (const char* name : {"OpenFile1", "SaveFile1", "Exit1", "Contents1", "About1"}) {
            entries << find<QAction>(name)->text();
        }
        QCOMPARE(entries,
                 QStringList({"&Open File", "&Save File", "&Exit", "&Contents", "&About"}));
    }

    void exitEndsTheProgram() {
        p_.dialogs.answers = {Answer::No};
        QTimer::singleShot(0, this, [this] { find<QAction>("Exit1")->trigger(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!p_.window->isVisible());
    }

    void placeIsKeptForTheNextStartWhileOnAScreen() {
        const auto closedAt = [this](QPoint place) {
            p_.window->move(place);
            p_.dialogs.answers = {Answer::No};
            p_.window->close();
            return p_.start();
        };
        QVERIFY(closedAt({30, 40}));
        QCOMPARE(p_.window->pos(), QPoint(30, 40));
        // A place on no screen now is not used: the window is centred as at first.
        QVERIFY(closedAt({3000, 40}));
        const QPoint off =
            p_.window->frameGeometry().center() - p_.window->screen()->availableGeometry().center();
        QVERIFY(off.manhattanLength() <= 4);
    }

    void tabOrderRunsDownThePage() {
        edit("MAmount")->setFocus();
        QStringList order;
        for (int k = 0; k < 17; ++k) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Every control of the page, the results and the chart button beside the
        // interest included.
        QCOMPARE(order,
                 QStringList({"MAmount", "Period", "MPartyear", "IRate", "MPayment", "MArrears",
                              "MCompounded", "MonthlyRepayment", "BitBtn8", "TotalInterest",
                              "BitBtn9", "CalMortBtn", "PrintMortBtn", "PreviewMortBtn", "BitBtn1",
                              "MortgageGridBtn", "SpeedButton2"}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
