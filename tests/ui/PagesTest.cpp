// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "ProgramUnderTest.h"
#include "platform/LocaleRegional.h"
#include "ui/CaptionPanel.h"
#include "ui/LoanPage.h"
#include "ui/MainWindow.h"
#include "ui/ResidualValuePage.h"
#include "ui/WhatIfPage.h"

using namespace corbel;
using namespace corbel::ui;

class PagesTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest p_;

    WhatIfPage* whatIf() { return p_.window->whatIfPage(); }
    ResidualValuePage* residual() { return p_.window->residualPage(); }

    static bool isOutput(QLineEdit* field) {
        return field->isReadOnly() &&
               field->palette().color(QPalette::Base) == QColor(67, 213, 255);
    }
    static bool isInput(QLineEdit* field) {
        return !field->isReadOnly() && field->palette().color(QPalette::Base) == QColor(Qt::white);
    }
    void typeWhatIf(const QString& amount, const QString& rate, const QString& years,
                    const QString& parts, const QString& repay) {
        for (auto [field, text] :
             {std::pair{test::Child<QLineEdit>(whatIf(), "WIPrincipal"), amount},
              {test::Child<QLineEdit>(whatIf(), "WIInterest"), rate},
              {test::Child<QLineEdit>(whatIf(), "WIPeriods"), years},
              {test::Child<QLineEdit>(whatIf(), "WIPartYear"), parts},
              {test::Child<QLineEdit>(whatIf(), "WIRepay"), repay}}) {
            field->setText(text);
        }
    }
    void solve(QRadioButton* variable) {
        QTest::mouseClick(variable, Qt::LeftButton);
        QTest::mouseClick(test::Child<QPushButton>(whatIf(), "SpeedButton4"), Qt::LeftButton);
    }
    QStringList messages() const { return p_.messages(); }

  private slots:
    void init() {
        QVERIFY(p_.start());
        p_.window->findChild<QTabWidget*>("PageControl1")->setCurrentWidget(whatIf());
    }
    void cleanup() { p_.stop(); }

    void whatIfStartsOnTheAmount() {
        QVERIFY(test::Child<QRadioButton>(whatIf(), "AmountRB")->isChecked());
        QVERIFY(isOutput(test::Child<QLineEdit>(whatIf(), "WIPrincipal")));
        for (QLineEdit* e : {test::Child<QLineEdit>(whatIf(), "WIInterest"),
                             test::Child<QLineEdit>(whatIf(), "WIPeriods"),
                             test::Child<QLineEdit>(whatIf(), "WIPartYear"),
                             test::Child<QLineEdit>(whatIf(), "WIRepay")}) {
            QVERIFY(isInput(e));
        }
        QCOMPARE(test::Child<QLabel>(whatIf(), "WIMonthsLabel")->text(), QString("Months"));
        QCOMPARE(test::Child<QComboBox>(whatIf(), "WIPayment")->currentText(), QString("Monthly"));
        QCOMPARE(test::Child<QComboBox>(whatIf(), "WICompounded")->currentText(),
                 QString("Monthly"));
        QVERIFY(test::Child<QRadioButton>(whatIf(), "WIArrearsRB")->isChecked());
    }

    void choosingAVariableEmptiesItsFields() {
        typeWhatIf("100000", "6", "30", "2", "599");
        QTest::mouseClick(test::Child<QRadioButton>(whatIf(), "PeriodRB"), Qt::LeftButton);
        QVERIFY(test::Child<QLineEdit>(whatIf(), "WIPeriods")->text().isEmpty());
        QVERIFY(test::Child<QLineEdit>(whatIf(), "WIPartYear")->text().isEmpty());
        QVERIFY(isOutput(test::Child<QLineEdit>(whatIf(), "WIPeriods")));
        QVERIFY(isOutput(test::Child<QLineEdit>(whatIf(), "WIPartYear")));
        QVERIFY(isInput(test::Child<QLineEdit>(whatIf(), "WIPrincipal")));
        QCOMPARE(test::Child<QLineEdit>(whatIf(), "WIPrincipal")->text(), QString("100000"));
        QTest::mouseClick(test::Child<QRadioButton>(whatIf(), "InterestRB"), Qt::LeftButton);
        QVERIFY(test::Child<QLineEdit>(whatIf(), "WIInterest")->text().isEmpty());
        QVERIFY(isInput(test::Child<QLineEdit>(whatIf(), "WIPeriods")));
    }

    void solvesEachVariable() {
        typeWhatIf("100000", "6", "30", "", "");
        solve(test::Child<QRadioButton>(whatIf(), "PaymentRB"));
        QCOMPARE(test::Child<QLineEdit>(whatIf(), "WIRepay")->text(), QString("599.5506"));

        solve(test::Child<QRadioButton>(whatIf(), "PeriodRB"));
        QCOMPARE(test::Child<QLineEdit>(whatIf(), "WIPeriods")->text(), QString("30"));
        QCOMPARE(test::Child<QLineEdit>(whatIf(), "WIPartYear")->text(), QString("0"));

        solve(test::Child<QRadioButton>(whatIf(), "InterestRB"));
        QCOMPARE(test::Child<QLineEdit>(whatIf(), "WIInterest")->text(), QString("6"));

        test::Child<QLineEdit>(whatIf(), "WIRepay")->setText("599.55");
        solve(test::Child<QRadioButton>(whatIf(), "AmountRB"));
        QCOMPARE(test::Child<QLineEdit>(whatIf(), "WIPrincipal")->text(), QString("100000"));

        test::Child<QLineEdit>(whatIf(), "WIPrincipal")->setText("100000");
        QTest::mouseClick(test::Child<QRadioButton>(whatIf(), "WIAdvanceRB"), Qt::LeftButton);
        solve(test::Child<QRadioButton>(whatIf(), "PaymentRB"));
        QCOMPARE(test::Child<QLineEdit>(whatIf(), "WIRepay")->text(), QString("596.5677"));
        QVERIFY(p_.dialogs.shown.empty());
    }

    void whatIfMessagesInOrder_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QStringList>("fields");  // amount, rate, years, parts, repay
        QTest::addColumn<QString>("message");
        QTest::newRow("rate first")
            << "PaymentRB" << QStringList{"x", "0", "99", "", ""}
            << "You must enter an interest rate greater than 0 and less that 100%";
        QTest::newRow("then the term") << "PaymentRB" << QStringList{"x", "6", "99", "", ""}
                                       << "You must enter a period  between 0 and 50";
        QTest::newRow("then the amount") << "PaymentRB" << QStringList{"x", "6", "30", "", ""}
                                         << "You must enter a valid amount, less than 999999999";
        QTest::newRow("then the repayment")
            << "AmountRB" << QStringList{"", "6", "30", "", "-1"}
            << "You must enter a valid Loan payment, less than 999999999";
        QTest::newRow("solved rate unchecked")
            << "InterestRB" << QStringList{"100000", "", "30", "", "x"}
            << "You must enter a valid Loan payment, less than 999999999";
        QTest::newRow("no rate of 0% or more")
            << "InterestRB" << QStringList{"100000", "", "30", "", "100"}
            << "No interest rate of 0% or more gives this repayment.";
        QTest::newRow("never paid off")
            << "PeriodRB" << QStringList{"100000", "6", "", "", "500"}
            << "This Loan can't be paid off in a reasonable period. Try increasing your payments.";
    }
    void whatIfMessagesInOrder() {
        QFETCH(QString, variable);
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        auto* rb = whatIf()->findChild<QRadioButton*>(variable);
        QTest::mouseClick(rb, Qt::LeftButton);
        typeWhatIf(fields[0], fields[1], fields[2], fields[3], fields[4]);
        // An earlier answer stands in the solved field.
        for (QLineEdit* e : whatIf()->findChildren<QLineEdit*>()) {
            if (e->isReadOnly() && e->isVisible()) {
                e->setText("earlier answer");
            }
        }
        QStringList before;
        for (QLineEdit* e : whatIf()->findChildren<QLineEdit*>()) {
            before << e->text();
        }
        QTest::mouseClick(test::Child<QPushButton>(whatIf(), "SpeedButton4"), Qt::LeftButton);
        QCOMPARE(messages(), QStringList({message}));
        // A refused calculation changes no field.
        QStringList after;
        for (QLineEdit* e : whatIf()->findChildren<QLineEdit*>()) {
            after << e->text();
        }
        QCOMPARE(after, before);
        QVERIFY(before.contains("earlier answer"));
    }

    void annualRepaymentsHideThePartYearField() {
        test::Child<QLineEdit>(whatIf(), "WIPartYear")->setText("3");
        test::Choose(test::Child<QComboBox>(whatIf(), "WIPayment"), "Annualy");
        QVERIFY(test::Child<QLineEdit>(whatIf(), "WIPartYear")->isHidden());
        QVERIFY(test::Child<QLabel>(whatIf(), "WIMonthsLabel")->isHidden());
        QVERIFY(test::Child<QLineEdit>(whatIf(), "WIPartYear")->text().isEmpty());
        typeWhatIf("100000", "6", "", "", "12000");
        solve(test::Child<QRadioButton>(whatIf(), "PeriodRB"));
        QCOMPARE(test::Child<QLineEdit>(whatIf(), "WIPartYear")->text(), QString("0"));
        test::Choose(test::Child<QComboBox>(whatIf(), "WIPayment"), "Weekly");
        QVERIFY(!test::Child<QLineEdit>(whatIf(), "WIPartYear")->isHidden());
        QCOMPARE(test::Child<QLabel>(whatIf(), "WIMonthsLabel")->text(), QString("Week(s)"));
    }

    void transferCopiesTheLoanToTheLoanPage() {
        LoanPage* loan = p_.window->loanPage();
        test::Child<QLineEdit>(loan, "MPartyear")->setText("7");
        typeWhatIf("", "7.5", "20", "6", "999");
        test::Choose(test::Child<QComboBox>(whatIf(), "WIPayment"), "Weekly");
        test::Choose(test::Child<QComboBox>(whatIf(), "WICompounded"), "Daily");
        QTest::mouseClick(test::Child<QRadioButton>(whatIf(), "WIAdvanceRB"), Qt::LeftButton);
        test::Child<QLineEdit>(whatIf(), "WIPrincipal")->setText("250000");
        p_.window->state().loanSaved = true;
        QTest::mouseClick(test::Child<QPushButton>(whatIf(), "TransferBtn"), Qt::LeftButton);
        QCOMPARE(test::Child<QLineEdit>(loan, "MAmount")->text(), QString("250000"));
        QCOMPARE(test::Child<QLineEdit>(loan, "Period")->text(), QString("20"));
        QCOMPARE(test::Child<QLineEdit>(loan, "MPartyear")->text(), QString("6"));
        QCOMPARE(test::Child<QLineEdit>(loan, "IRate")->text(), QString("7.5"));
        QCOMPARE(test::Child<QComboBox>(loan, "MPayment")->currentText(), QString("Weekly"));
        QCOMPARE(test::Child<QComboBox>(loan, "MCompounded")->currentText(), QString("Daily"));
        QVERIFY(test::Child<QRadioButton>(loan, "MAdvance")->isChecked());
        QCOMPARE(test::Child<CaptionPanel>(loan, "Panel1")->caption(),
                 QString("   Weekly Loan Payment is"));
        QCOMPARE(test::Child<QLabel>(loan, "Label98")->text(), QString("Week(s)"));
        QVERIFY(test::Child<QLineEdit>(loan, "MonthlyRepayment")
                    ->text()
                    .isEmpty());  // the repayment is not copied
        QVERIFY(!p_.window->state().loanSaved);
        QCOMPARE(p_.window->findChild<QTabWidget*>("PageControl1")->currentWidget(), loan);
    }

    void writtenTextsArriveWhole() {
        // A solved rate longer than the rate field's typing limit shows whole.
        test::Choose(test::Child<QComboBox>(whatIf(), "WICompounded"), "Annualy");
        typeWhatIf("100000", "", "1", "", "26845");
        solve(test::Child<QRadioButton>(whatIf(), "InterestRB"));
        const QString rate = test::Child<QLineEdit>(whatIf(), "WIInterest")->text();
        QVERIFY2(rate.size() > 8, qPrintable(rate));
        QVERIFY(rate.startsWith("13"));
        // The transfer carries whole texts that the Loan page's checks then judge.
        solve(test::Child<QRadioButton>(whatIf(), "AmountRB"));
        test::Child<QLineEdit>(whatIf(), "WIPrincipal")->setText("1667915977");
        test::Child<QLineEdit>(whatIf(), "WIPeriods")->setText("180");
        test::Child<QLineEdit>(whatIf(), "WIInterest")->setText(rate);
        QTest::mouseClick(test::Child<QPushButton>(whatIf(), "TransferBtn"), Qt::LeftButton);
        LoanPage* loan = p_.window->loanPage();
        QCOMPARE(test::Child<QLineEdit>(loan, "MAmount")->text(), QString("1667915977"));
        QCOMPARE(test::Child<QLineEdit>(loan, "Period")->text(), QString("180"));
        QCOMPARE(test::Child<QLineEdit>(loan, "IRate")->text(), rate);
        QTest::mouseClick(test::Child<QPushButton>(loan, "CalMortBtn"), Qt::LeftButton);
        QCOMPARE(messages().last(),
                 QString("You must enter a valid Loan amount between 0 and 999999999"));
    }

    void clickingTheChosenVariableAgainKeepsTheAnswer() {
        typeWhatIf("", "6", "30", "", "599.55");
        solve(test::Child<QRadioButton>(whatIf(), "AmountRB"));
        QCOMPARE(test::Child<QLineEdit>(whatIf(), "WIPrincipal")->text(), QString("100000"));
        QTest::mouseClick(test::Child<QRadioButton>(whatIf(), "AmountRB"), Qt::LeftButton);
        QCOMPARE(test::Child<QLineEdit>(whatIf(), "WIPrincipal")->text(), QString("100000"));
    }

    void longResultsShowTheirStart() {
        test::Retype(test::Child<QLineEdit>(residual(), "RVAmount"), "999999999");
        test::Retype(test::Child<QLineEdit>(residual(), "RVInterest"), "100");
        test::Choose(test::Child<QComboBox>(residual(), "RVPayment"), "Daily");
        test::Choose(test::Child<QComboBox>(residual(), "RVCompounded"), "Daily");
        test::Retype(test::Child<QLineEdit>(residual(), "RVResValue"), "0");
        QTest::mouseClick(test::Child<QPushButton>(residual(), "BitBtn3"), Qt::LeftButton);
        QLineEdit* rv1 = test::Child<QLineEdit>(residual(), "RV1");
        QVERIFY(rv1->fontMetrics().horizontalAdvance(rv1->text()) > rv1->width());
        QCOMPARE(rv1->cursorPosition(), 0);
        QCOMPARE(rv1->toolTip(), rv1->text());
        QVERIFY(
            test::Child<QLineEdit>(residual(), "RVMRepayment")->toolTip().isEmpty());  // it fits
    }

    void eachResidualSentenceOnOneLine() {
        p_.window->findChild<QTabWidget*>("PageControl1")->setCurrentWidget(residual());
        const QStringList sentences[] = {{"Label23", "RVResValue"},
                                         {"Label24", "RV1", "Label26", "RV1Percent", "Label25"},
                                         {"Label27", "RV2Percent", "Label28", "RV2"},
                                         {"Label29", "RVMR"}};
        for (const QStringList& names : sentences) {
            int right = -1;
            int centre = -1;
            for (const QString& name : names) {
                const QRect r = test::PlaceInWindow(residual()->findChild<QWidget*>(name));
                QVERIFY2(r.left() > right, qPrintable(name));
                QVERIFY2(centre < 0 || std::abs(r.center().y() - centre) <= 2, qPrintable(name));
                right = r.right();
                centre = r.center().y();
            }
        }
    }

    void whatIfHelpIsTopicEight() {
        QTest::mouseClick(test::Child<QToolButton>(whatIf(), "BitBtn14"), Qt::LeftButton);
        QCOMPARE(p_.help.topics, std::vector<int>({8}));
    }

    void residualStartsWithItsExample() {
        QCOMPARE(test::Child<QLineEdit>(residual(), "RVAmount")->text(), QString("10000"));
        QCOMPARE(test::Child<QLineEdit>(residual(), "RVInterest")->text(), QString("10"));
        QCOMPARE(test::Child<QLineEdit>(residual(), "RVPeriod")->text(), QString("5"));
        QCOMPARE(test::Child<CaptionPanel>(residual(), "Panel9")->caption(),
                 QString("   Monthly Repayment with no Residual Value"));
        QCOMPARE(test::Child<QLabel>(residual(), "Label29")->text(),
                 QString("and Requires a Monthly Repayment of"));
        for (QLineEdit* e : {test::Child<QLineEdit>(residual(), "RVMRepayment"),
                             test::Child<QLineEdit>(residual(), "RV1"),
                             test::Child<QLineEdit>(residual(), "RV1Percent"),
                             test::Child<QLineEdit>(residual(), "RV2"),
                             test::Child<QLineEdit>(residual(), "RVMR")}) {
            QVERIFY(isOutput(e));
        }
    }

    void residualCalculation() {
        test::Retype(test::Child<QLineEdit>(residual(), "RVResValue"), "150");
        test::Retype(test::Child<QLineEdit>(residual(), "RV2Percent"), "20");
        QTest::mouseClick(test::Child<QPushButton>(residual(), "BitBtn3"), Qt::LeftButton);
        QCOMPARE(test::Child<QLineEdit>(residual(), "RVMRepayment")->text(), QString("$212.47"));
        QCOMPARE(test::Child<QLineEdit>(residual(), "RV1")->text(), QString("$4,837.53"));
        QCOMPARE(test::Child<QLineEdit>(residual(), "RV1Percent")->text(), QString("48.38"));
        QCOMPARE(test::Child<QLineEdit>(residual(), "RV2")->text(), QString("$2,000.00"));
        QCOMPARE(test::Child<QLineEdit>(residual(), "RVMR")->text(), QString("$186.64"));
        QCOMPARE(test::Child<QLabel>(residual(), "Label29")->text(),
                 QString("and requires a Monthly Repayment of"));
        QVERIFY(p_.dialogs.shown.empty());

        // One cent above the no-residual repayment: the message, and the later results empty.
        test::Retype(test::Child<QLineEdit>(residual(), "RVResValue"), "212.48");
        QTest::mouseClick(test::Child<QPushButton>(residual(), "PrintRVDetailsBtn"),
                          Qt::LeftButton);
        QCOMPARE(messages(),
                 QStringList({"The proposed monthly repayment cannot be higher than the actual "
                              "payment needed to leave no residual value."}));
        QCOMPARE(KindOf(p_.dialogs.shown.front().message.cause), MessageKind::Confirm);
        QCOMPARE(test::Child<QLineEdit>(residual(), "RVMRepayment")->text(), QString("$212.47"));
        QVERIFY(test::Child<QLineEdit>(residual(), "RV1")->text().isEmpty());
        QVERIFY(test::Child<QLineEdit>(residual(), "RV2")->text().isEmpty());
        QVERIFY(test::Child<QLineEdit>(residual(), "RVMR")->text().isEmpty());
    }

    void residualChecksInOrder_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("message");
        QTest::newRow("amount below 1") << "0.5"
                                        << "99"
                                        << "x"
                                        << "You must enter a amount between 1 and 999999999";
        QTest::newRow("term") << "1000"
                              << "99"
                              << "x"
                              << "You must enter a period  between 0 and 50";
        QTest::newRow("rate above 100") << "1000"
                                        << "5"
                                        << "101"
                                        << "You must enter an interest rate between 1 and 100";
    }
    void residualChecksInOrder() {
        QFETCH(QString, amount);
        QFETCH(QString, years);
        QFETCH(QString, rate);
        QFETCH(QString, message);
        test::Retype(test::Child<QLineEdit>(residual(), "RVAmount"), amount);
        test::Retype(test::Child<QLineEdit>(residual(), "RVPeriod"), years);
        test::Retype(test::Child<QLineEdit>(residual(), "RVInterest"), rate);
        QTest::mouseClick(test::Child<QPushButton>(residual(), "BitBtn3"), Qt::LeftButton);
        QCOMPARE(messages(), QStringList({message}));
        QVERIFY(test::Child<QLineEdit>(residual(), "RVMRepayment")->text().isEmpty());
    }

    void residualAtZeroRate() {
        test::Retype(test::Child<QLineEdit>(residual(), "RVInterest"), "0");
        test::Retype(test::Child<QLineEdit>(residual(), "RVResValue"), "100");
        test::Retype(test::Child<QLineEdit>(residual(), "RV2Percent"), "20");
        QTest::mouseClick(test::Child<QPushButton>(residual(), "BitBtn3"), Qt::LeftButton);
        QVERIFY(p_.dialogs.shown.empty());
        QCOMPARE(test::Child<QLineEdit>(residual(), "RVMRepayment")->text(), QString("$166.67"));
        QCOMPARE(test::Child<QLineEdit>(residual(), "RV1")->text(), QString("$4,000.00"));
        QCOMPARE(test::Child<QLineEdit>(residual(), "RVMR")->text(), QString("$133.33"));
    }

    void residualCaptionsFollowTheFrequency() {
        test::Child<QLineEdit>(residual(), "RVResValue")->setText("150");
        test::Child<QLineEdit>(residual(), "RV2Percent")->setText("20");
        QTest::mouseClick(test::Child<QPushButton>(residual(), "BitBtn3"), Qt::LeftButton);
        QCOMPARE(test::Child<QLineEdit>(residual(), "RVMR")->text(), QString("$186.64"));
        test::Choose(test::Child<QComboBox>(residual(), "RVPayment"), "Weekly");
        // The results were worked out for monthly repayments: none outlives its captions.
        for (const char* result : {"RVMRepayment", "RV1", "RV1Percent", "RV2", "RVMR"}) {
            QVERIFY2(test::Child<QLineEdit>(residual(), result)->text().isEmpty(), result);
        }
        QCOMPARE(test::Child<CaptionPanel>(residual(), "Panel9")->caption(),
                 QString("   Weekly Repayment with no Residual Value"));
        QCOMPARE(test::Child<QLabel>(residual(), "Label23")->text(),
                 QString("Proposed Weekly Repayment of"));
        QCOMPARE(test::Child<QLabel>(residual(), "Label29")->text(),
                 QString("and requires a Weekly Repayment of"));
        QCOMPARE(test::Child<QLabel>(residual(), "Label90")->text(), QString("Week(s)"));
        test::Child<QLineEdit>(residual(), "RVPartYear")->setText("2");
        test::Choose(test::Child<QComboBox>(residual(), "RVPayment"), "Annualy");
        QCOMPARE(test::Child<QLabel>(residual(), "Label23")->text(),
                 QString("Proposed Annual Repayment of"));
        QVERIFY(test::Child<QLineEdit>(residual(), "RVPartYear")->isHidden());
        QVERIFY(test::Child<QLabel>(residual(), "Label90")->isHidden());
        QVERIFY(test::Child<QLineEdit>(residual(), "RVPartYear")->text().isEmpty());
    }

    void otherPagesLeaveTheLoanSaved() {
        p_.window->state().loanSaved = true;
        test::Retype(test::Child<QLineEdit>(whatIf(), "WIInterest"), "5");
        test::Choose(test::Child<QComboBox>(whatIf(), "WIPayment"), "Daily");
        test::Retype(test::Child<QLineEdit>(residual(), "RVAmount"), "500");
        test::Choose(test::Child<QComboBox>(residual(), "RVPayment"), "Daily");
        QVERIFY(p_.window->state().loanSaved);
    }
};

QTEST_MAIN(PagesTest)
#include "PagesTest.moc"
