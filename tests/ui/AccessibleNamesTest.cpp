// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <functional>

#include "ProgramUnderTest.h"
#include "ui/AboutWindow.h"
#include "ui/HelpWindow.h"
#include "ui/LoanPage.h"
#include "ui/MainWindow.h"
#include "ui/ResidualValuePage.h"
#include "ui/WhatIfPage.h"

using namespace corbel;
using namespace corbel::ui;

namespace {

// What a screen reader announces `control` by. On Linux Qt gives a list its
// current choice as its name and its caption as a label relation instead.
QString ReaderName(QWidget* control) {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
    if (!reader) {
        return QString();
    }
    if (!qobject_cast<QComboBox*>(control)) {
        return reader->text(QAccessible::Name);
    }
    const auto labels = reader->relations(QAccessible::Label);
    return labels.isEmpty() ? control->accessibleName()
                            : labels.first().first->text(QAccessible::Name);
}

// The shown fields, buttons, lists and tables under `window` that a screen
// reader would announce without a name, or by the name of another of the same
// kind, as "objectName (class)".
QStringList Unnamed(QWidget* window, int& controls) {
    QStringList unnamed;
    QMap<QPair<QString, QString>, QString> named;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QTableView*>(w);
        if (!control || !w->isVisible()) {
            continue;
        }
        ++controls;
        const QString name = ReaderName(w).trimmed();
        const QPair<QString, QString> key(w->metaObject()->className(), name);
        if (name.isEmpty() || named.contains(key)) {
            unnamed << QString("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
        }
        named.insert(key, w->objectName());
    }
    return unnamed;
}

// Every object name in the accessible tree under `reader`.
QStringList Offered(QAccessibleInterface* reader) {
    QStringList names;
    for (int k = 0; k < reader->childCount(); ++k) {
        QAccessibleInterface* child = reader->child(k);
        if (child && child->object()) {
            names << child->object()->objectName() << Offered(child);
        }
    }
    return names;
}

}  // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest p_;

    QWidget* main() { return p_.window.get(); }
    QAbstractButton* button(QWidget* root, const char* name) {
        return test::Child<QAbstractButton>(root, name);
    }
    void showPage(QWidget* page) {
        test::Child<QTabWidget>(main(), "PageControl1")->setCurrentWidget(page);
    }
    // The additional payments window chosen by `choice` in the options window.
    bool openAdditional(const char* choice, const std::function<void(QWidget*)>& inspect) {
        return test::OpenWith(button(p_.window->loanPage(), "SpeedButton3"), [&](QWidget* options) {
            button(options, choice)->click();
            test::OpenWith(button(options, "BitBtn2"), inspect);
        });
    }

    // Shows the window named `which` and runs `inspect` on it while it is shown.
    bool open(const QString& which, const std::function<void(QWidget*)>& inspect) {
        LoanPage* loan = p_.window->loanPage();
        if (which == "Loan page" || which == "What If? page" || which == "Residual Value page") {
            showPage(which == "Loan page"       ? static_cast<QWidget*>(loan)
                     : which == "What If? page" ? static_cast<QWidget*>(p_.window->whatIfPage())
                                                : p_.window->residualPage());
            inspect(main());
            return true;
        }
        if (which == "About") {
            button(main(), "AboutBtn")->click();
            auto* about = main()->findChild<AboutWindow*>();
            if (!about || !QTest::qWaitForWindowExposed(about)) {
                return false;
            }
            inspect(about);
            about->close();
            return true;
        }
        if (which == "Help") {
            HelpWindow help(QString(), main());
            help.show();
            if (!QTest::qWaitForWindowExposed(&help)) {
                return false;
            }
            inspect(&help);
            return true;
        }
        if (which == "Specific additional payment") {
            return openAdditional("Specific", inspect);
        }
        if (which == "Additional payments table") {
            return openAdditional("Grid", inspect);
        }
        if (which == "Balance Graph") {
            bool shown = false;
            test::OpenWith(button(loan, "SpeedButton2"), [&](QWidget* schedule) {
                shown = test::OpenWith(button(schedule, "GraphBtn"), inspect) != nullptr;
            });
            return shown;
        }
        const char* opener = which == "Loan Schedule"                ? "SpeedButton2"
                             : which == "Loan Grid"                  ? "MortgageGridBtn"
                             : which == "Additional Payment Options" ? "SpeedButton3"
                                                                     : "BitBtn9";
        return test::OpenWith(button(loan, opener), inspect) != nullptr;
    }

  private slots:
    void init() {
        QVERIFY(p_.start());
        p_.typeLoan("100000", "30", "6");
        QTest::mouseClick(button(p_.window->loanPage(), "CalMortBtn"), Qt::LeftButton);
    }
    void cleanup() { p_.stop(); }

    void everyControlHasAName_data() {
        QTest::addColumn<QString>("window");
        for (const char* window : {"Loan page", "What If? page", "Residual Value page",
                                   "Loan Schedule", "Loan Grid", "Additional Payment Options",
                                   "Specific additional payment", "Additional payments table",
                                   "Cost Breakdown Graph", "Balance Graph", "About", "Help"}) {
            QTest::newRow(window) << QString(window);
        }
    }
    void everyControlHasAName() {
        QFETCH(QString, window);
        QStringList unnamed;
        int controls = 0;
        QVERIFY(open(window, [&](QWidget* shown) { unnamed = Unnamed(shown, controls); }));
        QVERIFY(controls > 0);
        QVERIFY2(unnamed.isEmpty(), qPrintable("without a name of its own: " + unnamed.join(", ")));
    }

    // A screen reader announces a cell with its column's heading, as shown
    // above the grid.
    void tableColumnsHaveTheirHeadings_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("headings");
        QTest::newRow("schedule") << "Loan Schedule"
                                  << "MSGrid"
                                  << "Year, Interest, Capital Reduction, Outstanding Balance, "
                                     "Accumulated Interest, Accumulated Capital";
        QTest::newRow("additional payments")
            << "Additional payments table"
            << "APGrid"
            << "Years to pay off Loan, Additional Monthly Payment Required, Total Monthly "
               "Payment, Total Interest, Interest Saved";
    }
    void tableColumnsHaveTheirHeadings() {
        QFETCH(QString, window);
        QFETCH(QString, table);
        QFETCH(QString, headings);
        QStringList read;
        QVERIFY(open(window, [&](QWidget* shown) {
            auto* view = test::Child<QTableView>(shown, table.toUtf8().constData());
            QAccessibleTableInterface* cells =
                QAccessible::queryAccessibleInterface(view)->tableInterface();
            for (int c = 0; c < cells->columnCount(); ++c) {
                read << cells->columnDescription(c);
            }
        }));
        QCOMPARE(read.join(", "), headings);
    }

    // Assistive technology reads a result and cannot write it; it types into
    // an input field as the keyboard does, within the field's limit.
    void resultsAreReadOnlyToAssistiveTechnology_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("result");
        QTest::newRow("repayment") << "MonthlyRepayment" << true;
        QTest::newRow("total interest") << "TotalInterest" << true;
        QTest::newRow("amount") << "MAmount" << false;
    }
    void resultsAreReadOnlyToAssistiveTechnology() {
        QFETCH(QString, field);
        QFETCH(bool, result);
        auto* edit = test::Child<QLineEdit>(main(), field.toUtf8().constData());
        const QString before = edit->text();
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(edit);
        QCOMPARE(reader->state().readOnly, result);
        QCOMPARE(reader->state().editable, !result);
        QCOMPARE(reader->textInterface()->text(0, reader->textInterface()->characterCount()),
                 before);
        QCOMPARE(reader->editableTextInterface() == nullptr, result);
        if (!result) {
            reader->editableTextInterface()->replaceText(0, before.size(), "250000");
            QCOMPARE(edit->text(), QString("250000"));
            reader->editableTextInterface()->insertText(0, "9999");  // 10 characters: too long
            QCOMPARE(edit->text(), QString("250000"));
        }
    }

    // What is never shown is not offered either: it could be ticked or opened.
    void neverShownControlsAreNotOffered() {
        const QStringList offered = Offered(QAccessible::queryAccessibleInterface(main()));
        QVERIFY(offered.contains("MAmount"));
        for (const char* hidden :
             {"TrasferValuesCheckBox", "MortgageSavingsTab", "MSavingsAmount"}) {
            QVERIFY2(!offered.contains(hidden), hidden);
        }
        auto* pages = test::Child<QTabWidget>(main(), "PageControl1");
        QCOMPARE(pages->count(), 3);
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
