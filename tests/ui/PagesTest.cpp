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
#include "ui/MainUnit.h"
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
        for (auto [field, text] : {std::pair{whatIf()->WIPrincipal, amount},
                                   {whatIf()->WIInterest, rate},
                                   {whatIf()->WIPeriods, years},
                                   {whatIf()->WIPartYear, parts},
                                   {whatIf()->WIRepay, repay}}) {
            field->setText(text);
        }
    }
    void solve(QRadioButton* variable) {
        QTest::mouseClick(variable, Qt::LeftButton);
        QTest::mouseClick(whatIf()->SpeedButton4, Qt::LeftButton);
    }
    QStringList messages() const { return p_.messages(); }

  private slots:
    void init() {
        QVERIFY(p_.start());
        p_.window->findChild<QTabWidget*>("PageControl1")->setCurrentWidget(whatIf());
    }
    void cleanup() { p_.stop(); }

    void whatIfStartsOnTheAmount() {
        QVERIFY(whatIf()->AmountRB->isChecked());
        QVERIFY(isOutput(whatIf()->WIPrincipal));
        for (QLineEdit* e :
             {whatIf()->WIInterest, whatIf()->WIPeriods, whatIf()->WIPartYear, whatIf()->WIRepay}) {
            QVERIFY(isInput(e));
        }
        QCOMPARE(whatIf()->WIMonthsLabel->text(), QString("Months"));
        QCOMPARE(whatIf()->WIPayment->currentText(), QString("Monthly"));
        QCOMPARE(whatIf()->WICompounded->currentText(), QString("Monthly"));
        QVERIFY(whatIf()->WIArrearsRB->isChecked());
    }

    void choosingAVariableEmptiesItsFields() {
        typeWhatIf("100000", "6", "30", "2", "599");
        QTest::mouseClick(whatIf()->PeriodRB, Qt::LeftButton);
        QVERIFY(whatIf()->WIPeriods->text().isEmpty());
        QVERIFY(whatIf()->WIPartYear->text().isEmpty());
        QVERIFY(isOutput(whatIf()->WIPeriods));
        QVERIFY(isOutput(whatIf()->WIPartYear));
        QVERIFY(isInput(whatIf()->WIPrincipal));
        QCOMPARE(whatIf()->WIPrincipal->text(), QString("100000"));
        QTest::mouseClick(whatIf()->InterestRB, Qt::LeftButton);
        QVERIFY(whatIf()->WIInterest->text().isEmpty());
        QVERIFY(isInput(whatIf()->WIPeriods));
    }

    void solvesEachVariable() {
        typeWhatIf("100000", "6", "30", "", "");
        solve(whatIf()->PaymentRB);
        QCOMPARE(whatIf()->WIRepay->text(), QString("599.5506"));

        solve(whatIf()->PeriodRB);
        QCOMPARE(whatIf()->WIPeriods->text(), QString("30"));
        QCOMPARE(whatIf()->WIPartYear->text(), QString("0"));

        solve(whatIf()->InterestRB);
        QCOMPARE(whatIf()->WIInterest->text(), QString("6"));

        whatIf()->WIRepay->setText("599.55");
        solve(whatIf()->AmountRB);
        QCOMPARE(whatIf()->WIPrincipal->text(), QString("100000"));

        whatIf()->WIPrincipal->setText("100000");
        QTest::mouseClick(whatIf()->WIAdvanceRB, Qt::LeftButton);
        solve(whatIf()->PaymentRB);
        QCOMPARE(whatIf()->WIRepay->text(), QString("596.5677"));
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
        QTest::mouseClick(whatIf()->SpeedButton4, Qt::LeftButton);
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
        whatIf()->WIPartYear->setText("3");
        test::Choose(whatIf()->WIPayment, "Annualy");
        QVERIFY(whatIf()->WIPartYear->isHidden());
        QVERIFY(whatIf()->WIMonthsLabel->isHidden());
        QVERIFY(whatIf()->WIPartYear->text().isEmpty());
        typeWhatIf("100000", "6", "", "", "12000");
        solve(whatIf()->PeriodRB);
        QCOMPARE(whatIf()->WIPartYear->text(), QString("0"));
        test::Choose(whatIf()->WIPayment, "Weekly");
        QVERIFY(!whatIf()->WIPartYear->isHidden());
        QCOMPARE(whatIf()->WIMonthsLabel->text(), QString("Week(s)"));
    }

    void transferCopiesTheLoanToTheLoanPage() {
        LoanPage* loan = p_.window->loanPage();
        loan->MPartyear->setText("7");
        typeWhatIf("", "7.5", "20", "6", "999");
        test::Choose(whatIf()->WIPayment, "Weekly");
        test::Choose(whatIf()->WICompounded, "Daily");
        QTest::mouseClick(whatIf()->WIAdvanceRB, Qt::LeftButton);
        whatIf()->WIPrincipal->setText("250000");
        p_.window->state().LoanSaved = true;
        QTest::mouseClick(whatIf()->TransferBtn, Qt::LeftButton);
        QCOMPARE(loan->MAmount->text(), QString("250000"));
        QCOMPARE(loan->Period->text(), QString("20"));
        QCOMPARE(loan->MPartyear->text(), QString("6"));
        QCOMPARE(loan->IRate->text(), QString("7.5"));
        QCOMPARE(loan->MPayment->currentText(), QString("Weekly"));
        QCOMPARE(loan->MCompounded->currentText(), QString("Daily"));
        QVERIFY(loan->MAdvance->isChecked());
        QCOMPARE(loan->Panel1->caption(), QString("   Weekly Loan Payment is"));
        QCOMPARE(loan->Label98->text(), QString("Week(s)"));
        QVERIFY(loan->MonthlyRepayment->text().isEmpty());  // the repayment is not copied
        QVERIFY(!p_.window->state().LoanSaved);
        QCOMPARE(p_.window->findChild<QTabWidget*>("PageControl1")->currentWidget(), loan);
    }

    void writtenTextsArriveWhole() {
        // A solved rate longer than the rate field's typing limit shows whole.
        test::Choose(whatIf()->WICompounded, "Annualy");
        typeWhatIf("100000", "", "1", "", "26845");
        solve(whatIf()->InterestRB);
        const QString rate = whatIf()->WIInterest->text();
        QVERIFY2(rate.size() > 8, qPrintable(rate));
        QVERIFY(rate.startsWith("13"));
        // The transfer carries whole texts that the Loan page's checks then judge.
        solve(whatIf()->AmountRB);
        whatIf()->WIPrincipal->setText("1667915977");
        whatIf()->WIPeriods->setText("180");
        whatIf()->WIInterest->setText(rate);
        QTest::mouseClick(whatIf()->TransferBtn, Qt::LeftButton);
        LoanPage* loan = p_.window->loanPage();
        QCOMPARE(loan->MAmount->text(), QString("1667915977"));
        QCOMPARE(loan->Period->text(), QString("180"));
        QCOMPARE(loan->IRate->text(), rate);
        QTest::mouseClick(loan->CalMortBtn, Qt::LeftButton);
        QCOMPARE(messages().last(),
                 QString("You must enter a valid Loan amount between 0 and 999999999"));
    }

    void clickingTheChosenVariableAgainKeepsTheAnswer() {
        typeWhatIf("", "6", "30", "", "599.55");
        solve(whatIf()->AmountRB);
        QCOMPARE(whatIf()->WIPrincipal->text(), QString("100000"));
        QTest::mouseClick(whatIf()->AmountRB, Qt::LeftButton);
        QCOMPARE(whatIf()->WIPrincipal->text(), QString("100000"));
    }

    void longResultsShowTheirStart() {
        test::Retype(residual()->RVAmount, "999999999");
        test::Retype(residual()->RVInterest, "100");
        test::Choose(residual()->RVPayment, "Daily");
        test::Choose(residual()->RVCompounded, "Daily");
        test::Retype(residual()->RVResValue, "0");
        QTest::mouseClick(residual()->BitBtn3, Qt::LeftButton);
        QLineEdit* rv1 = residual()->RV1;
        QVERIFY(rv1->fontMetrics().horizontalAdvance(rv1->text()) > rv1->width());
        QCOMPARE(rv1->cursorPosition(), 0);
        QCOMPARE(rv1->toolTip(), rv1->text());
        QVERIFY(residual()->RVMRepayment->toolTip().isEmpty());  // it fits
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
        QTest::mouseClick(whatIf()->BitBtn14, Qt::LeftButton);
        QCOMPARE(p_.help.topics, std::vector<int>({8}));
    }

    void residualStartsWithItsExample() {
        QCOMPARE(residual()->RVAmount->text(), QString("10000"));
        QCOMPARE(residual()->RVInterest->text(), QString("10"));
        QCOMPARE(residual()->RVPeriod->text(), QString("5"));
        QCOMPARE(residual()->Panel9->caption(),
                 QString("   Monthly Repayment with no Residual Value"));
        QCOMPARE(residual()->Label29->text(), QString("and Requires a Monthly Repayment of"));
        for (QLineEdit* e : {residual()->RVMRepayment, residual()->RV1, residual()->RV1Percent,
                             residual()->RV2, residual()->RVMR}) {
            QVERIFY(isOutput(e));
        }
    }

    void residualCalculation() {
        test::Retype(residual()->RVResValue, "150");
        test::Retype(residual()->RV2Percent, "20");
        QTest::mouseClick(residual()->BitBtn3, Qt::LeftButton);
        QCOMPARE(residual()->RVMRepayment->text(), QString("$212.47"));
        QCOMPARE(residual()->RV1->text(), QString("$4,837.53"));
        QCOMPARE(residual()->RV1Percent->text(), QString("48.38"));
        QCOMPARE(residual()->RV2->text(), QString("$2,000.00"));
        QCOMPARE(residual()->RVMR->text(), QString("$186.64"));
        QCOMPARE(residual()->Label29->text(), QString("and requires a Monthly Repayment of"));
        QVERIFY(p_.dialogs.shown.empty());

        // One cent above the no-residual repayment: the message, and the later results empty.
        test::Retype(residual()->RVResValue, "212.48");
        QTest::mouseClick(residual()->PrintRVDetailsBtn, Qt::LeftButton);
        QCOMPARE(messages(),
                 QStringList({"The proposed monthly repayment cannot be higher than the actual "
                              "payment needed to leave no residual value."}));
        QCOMPARE(p_.dialogs.shown.front().message.kind, MessageKind::Confirm);
        QCOMPARE(residual()->RVMRepayment->text(), QString("$212.47"));
        QVERIFY(residual()->RV1->text().isEmpty());
        QVERIFY(residual()->RV2->text().isEmpty());
        QVERIFY(residual()->RVMR->text().isEmpty());
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
        test::Retype(residual()->RVAmount, amount);
        test::Retype(residual()->RVPeriod, years);
        test::Retype(residual()->RVInterest, rate);
        QTest::mouseClick(residual()->BitBtn3, Qt::LeftButton);
        QCOMPARE(messages(), QStringList({message}));
        QVERIFY(residual()->RVMRepayment->text().isEmpty());
    }

    void residualAtZeroRate() {
        test::Retype(residual()->RVInterest, "0");
        test::Retype(residual()->RVResValue, "100");
        test::Retype(residual()->RV2Percent, "20");
        QTest::mouseClick(residual()->BitBtn3, Qt::LeftButton);
        QVERIFY(p_.dialogs.shown.empty());
        QCOMPARE(residual()->RVMRepayment->text(), QString("$166.67"));
        QCOMPARE(residual()->RV1->text(), QString("$4,000.00"));
        QCOMPARE(residual()->RVMR->text(), QString("$133.33"));
    }

    void residualCaptionsFollowTheFrequency() {
        test::Choose(residual()->RVPayment, "Weekly");
        QCOMPARE(residual()->Panel9->caption(),
                 QString("   Weekly Repayment with no Residual Value"));
        QCOMPARE(residual()->Label23->text(), QString("Proposed Weekly Repayment of"));
        QCOMPARE(residual()->Label29->text(), QString("and requires a Weekly Repayment of"));
        QCOMPARE(residual()->Label90->text(), QString("Week(s)"));
        residual()->RVPartYear->setText("2");
        test::Choose(residual()->RVPayment, "Annualy");
        QCOMPARE(residual()->Label23->text(), QString("Proposed Annual Repayment of"));
        QVERIFY(residual()->RVPartYear->isHidden());
        QVERIFY(residual()->Label90->isHidden());
        QVERIFY(residual()->RVPartYear->text().isEmpty());
    }

    void otherPagesLeaveTheLoanSaved() {
        p_.window->state().LoanSaved = true;
        test::Retype(whatIf()->WIInterest, "5");
        test::Choose(whatIf()->WIPayment, "Daily");
        test::Retype(residual()->RVAmount, "500");
        test::Choose(residual()->RVPayment, "Daily");
        QVERIFY(p_.window->state().LoanSaved);
    }
};

QTEST_MAIN(PagesTest)
#include "PagesTest.moc"
