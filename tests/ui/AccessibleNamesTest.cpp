// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
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
// reader would announce without a name, as "objectName (class)".
QStringList Unnamed(QWidget* window, int& controls) {
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QTableView*>(w);
        if (!control || !w->isVisible()) {
            continue;
        }
        ++controls;
        if (ReaderName(w).trimmed().isEmpty()) {
            unnamed << QString("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
        }
    }
    return unnamed;
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
        for (const char* window :
             {"Loan page", "What If? page", "Residual Value page", "Loan Schedule", "Loan Grid",
              "Additional Payment Options", "Specific additional payment",
              "Additional payments table", "Cost Breakdown Graph", "About", "Help"}) {
            QTest::newRow(window) << QString(window);
        }
    }
    void everyControlHasAName() {
        QFETCH(QString, window);
        QStringList unnamed;
        int controls = 0;
        QVERIFY(open(window, [&](QWidget* shown) { unnamed = Unnamed(shown, controls); }));
        QVERIFY(controls > 0);
        QVERIFY2(unnamed.isEmpty(), qPrintable("without a name: " + unnamed.join(", ")));
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
