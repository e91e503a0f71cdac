// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QGradient>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <cmath>

#include "ProgramUnderTest.h"
#include "ui/CostChartWindow.h"
#include "ui/HeaderBand.h"
#include "ui/Palette.h"

using namespace corbel::ui;

// WCAG 2 contrast ratio of relative luminances, to two decimals.
static double Contrast(const QColor& a, const QColor& b) {
    double l[2];
    for (const int k : {0, 1}) {
        const auto lin = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        const QColor& c = k ? b : a;
        l[k] = 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    }
    return std::round((std::max(l[0], l[1]) + 0.05) / (std::min(l[0], l[1]) + 0.05) * 100) / 100;
}

// The program started on a light palette, then switched to Adwaita-Dark's and
// back while it runs, as a desktop does when its theme changes.
class PaletteTest : public QObject {
    Q_OBJECT
    corbel::test::ProgramUnderTest p_;
    QPalette light_ = QApplication::style()->standardPalette();
    QPalette dark_{QColor(238, 238, 236), QColor(53, 53, 53), QColor(80, 80, 80),
                   QColor(30, 30, 30),    QColor(60, 60, 60), QColor(238, 238, 236),
                   QColor(255, 255, 255), QColor(45, 45, 45), QColor(53, 53, 53)};

  private slots:
    void initTestCase() {
        QVERIFY(!IsDark(light_) && IsDark(dark_));
        QApplication::setPalette(light_);
        QVERIFY(p_.start());
    }

    // The chart is a picture of its own, the same on every palette: its given
    // white title on the given light blue at the top of its shade has 3.26:1.
    void chartTitleKeepsItsGivenContrast() {
        const QChart* chart = p_.window->chart()->chartView()->chart();
        QCOMPARE(Contrast(chart->titleBrush().color(),
                          chart->backgroundBrush().gradient()->stops().front().second),
                 3.26);
    }

    void coloursReadAndFollowThePalette_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
        QTest::newRow("light again") << false;
    }
    void coloursReadAndFollowThePalette() {
        QFETCH(bool, dark);
        QApplication::setPalette(dark ? dark_ : light_);
        QCoreApplication::processEvents();  // the widgets hear of it as the desktop tells them
        const QPalette palette = QApplication::palette();
        // Text reads at 4.5:1; the notes' given green has 4.47:1 on the light window.
        const auto least = [](const QColor& text) { return text == BoldGreen ? 4.47 : 4.5; };
        double lowest = 100;
        for (const QLabel* label : p_.window->findChildren<QLabel*>()) {
            // The program's name has a dark shadow behind it, on the band's navy.
            if (label->text().isEmpty() || label->objectName() == "HeadingLabel2") {
                continue;
            }
            const QColor text = label->palette().color(QPalette::WindowText);
            const bool onBand = qobject_cast<const HeaderBand*>(label->parentWidget());
            const double ratio =
                Contrast(text, onBand ? Navy : label->palette().color(QPalette::Window));
            QVERIFY2(ratio >= least(text), qPrintable(label->objectName() + " " + text.name()));
            lowest = std::min(lowest, ratio);
        }
        qInfo("lowest contrast of a caption %.2f", lowest);
        for (auto [window, name, given] : {std::tuple{"MORTLOAN", "MALabel", Navy},
                                           {"MORTAGEGRID", "Label8", BoldGreen},
                                           {"APOPTIONS", "Label1", Purple}}) {
            const QWidget* root = p_.window->objectName() == window
                                      ? p_.window.get()
                                      : p_.window->findChild<QWidget*>(window);
            const QColor shown =
                root->findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
            QVERIFY2(dark
                         ? shown.hslHue() == given.hslHue() && shown.lightness() > given.lightness()
                         : shown == given,
                     name);
        }
        int results = 0;
        for (const QLineEdit* field : p_.window->findChildren<QLineEdit*>()) {
            const QColor base = field->palette().color(QPalette::Base);
            const QColor text = field->palette().color(QPalette::Text);
            if (!field->isEnabled()) {
                continue;  // a disabled field keeps the style's look
            } else if (field->isReadOnly()) {
                ++results;  // on a dark palette, a dark field of the same blue
                QVERIFY2(base.hslHue() == ResultBlue.hslHue() &&
                             (dark ? base.lightness() < 128 : base == ResultBlue) &&
                             Contrast(text, base) >= 4.5,
                         qPrintable(field->objectName()));
            } else {
                QVERIFY2(base == (dark ? palette.base().color() : QColor(Qt::white)) &&
                             text == (dark ? palette.text().color() : QColor(Qt::black)),
                         qPrintable(field->objectName()));
            }
        }
        QVERIFY(results > 5);
        // The grid's painted fills, the same way: the same hue, darker, and black
        // text turned white.
        for (const QColor& fill : {Silver, Aqua, ResultBlue}) {
            const QColor shown = ForPalette(fill, palette);
            QVERIFY(dark ? shown.hslHue() == fill.hslHue() && shown.lightness() < fill.lightness()
                         : shown == fill);
            QVERIFY(Contrast(shown, ForPalette(FillText, palette)) >= 4.5);
        }
    }
};

QTEST_MAIN(PaletteTest)
#include "PaletteTest.moc"
