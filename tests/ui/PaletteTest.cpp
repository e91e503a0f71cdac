// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <cmath>

#include "ProgramUnderTest.h"
#include "ui/HeaderBand.h"
#include "ui/Palette.h"

using namespace corbel;
using namespace corbel::ui;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop's palette, as Adwaita-Dark gives it.
QPalette DarkPalette() {
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    for (auto [role, colour] : {std::pair{QPalette::WindowText, QColor(238, 238, 236)},
                                {QPalette::Text, QColor(238, 238, 236)},
                                {QPalette::ButtonText, QColor(238, 238, 236)},
                                {QPalette::Base, QColor(45, 45, 45)},
                                {QPalette::AlternateBase, QColor(60, 60, 60)},
                                {QPalette::Link, QColor(138, 180, 248)}}) {
        dark.setColor(role, colour);
    }
    return dark;
}

// Text that the program colours reads at 4.5:1. The notes' given green has
// 4.47:1 on the light window, and keeps it.
constexpr double LeastContrast = 4.5;
constexpr double GivenGreenOnLightWindow = 4.47;

}  // namespace

// The program started on a light palette, then switched to a dark one and back
// while it runs, as a desktop does when its theme changes.
class PaletteTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest p_;
    QPalette light_;

    void addPalettes() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
        QTest::newRow("light again") << false;
    }
    void usePalette(bool dark) {
        QApplication::setPalette(dark ? DarkPalette() : light_);
        QCoreApplication::processEvents();
    }

  private slots:
    void initTestCase() {
        light_ = QApplication::style()->standardPalette();
        QVERIFY(!IsDark(light_) && IsDark(DarkPalette()));
        QApplication::setPalette(light_);
        QVERIFY(p_.start());
    }

    void everyCaptionReadsOnItsBackground_data() { addPalettes(); }
    void everyCaptionReadsOnItsBackground() {
        QFETCH(bool, dark);
        usePalette(dark);
        QStringList faint;
        double lowest = 100;
        int checked = 0;
        for (const QLabel* label : p_.window->findChildren<QLabel*>()) {
            // The program's name has its shadow behind it, a dark copy by design.
            if (label->text().isEmpty() || label->objectName() == "HeadingLabel2") {
                continue;
            }
            const QColor text = label->palette().color(QPalette::WindowText);
            // The header band is a navy picture under every palette.
            const bool onBand = qobject_cast<const HeaderBand*>(label->parentWidget());
            const QColor ground = onBand ? Navy : label->palette().color(QPalette::Window);
            const double ratio = std::round(Contrast(text, ground) * 100) / 100;
            const double least = text == BoldGreen ? GivenGreenOnLightWindow : LeastContrast;
            if (ratio < least) {
                faint << QString("%1/%2 %3 on %4: %5")
                             .arg(label->window()->objectName(), label->objectName(), text.name(),
                                  ground.name())
                             .arg(ratio);
            }
            lowest = std::min(lowest, ratio);
            ++checked;
        }
        qInfo("%d captions, lowest contrast %.2f", checked, lowest);
        QVERIFY(checked > 50);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join("; ")));
    }

    void givenColoursOnLightCounterpartsOnDark_data() {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QColor>("given");
        for (const bool dark : {false, true}) {
            const char* shade = dark ? "dark" : "light";
            QTest::addRow("%s loan title", shade) << dark << ""
                                                  << "MALabel" << Navy;
            QTest::addRow("%s about heading", shade) << dark << "AboutForm"
                                                     << "HeadingLabel" << Navy;
            QTest::addRow("%s grid note", shade) << dark << "MORTAGEGRID"
                                                 << "Label8" << BoldGreen;
            QTest::addRow("%s option", shade) << dark << "APOPTIONS"
                                              << "Label1" << Purple;
        }
    }
    void givenColoursOnLightCounterpartsOnDark() {
        QFETCH(bool, dark);
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(QColor, given);
        usePalette(dark);
        const QWidget* root =
            window.isEmpty() ? p_.window.get() : p_.window->findChild<QWidget*>(window);
        QVERIFY(root);
        const QColor shown =
            test::Child<QLabel>(root, qPrintable(label))->palette().color(QPalette::WindowText);
        if (!dark) {
            QCOMPARE(shown, given);
        } else {
            QCOMPARE(shown.hslHue(), given.hslHue());
            QVERIFY(shown.lightness() > given.lightness());
        }
    }

    void fieldsFollowThePalette_data() { addPalettes(); }
    void fieldsFollowThePalette() {
        QFETCH(bool, dark);
        usePalette(dark);
        const QPalette palette = QApplication::palette();
        int results = 0;
        for (const QLineEdit* field : p_.window->findChildren<QLineEdit*>()) {
            if (!field->isEnabled()) {
                continue;  // a disabled field keeps the style's look
            }
            const QColor base = field->palette().color(QPalette::Base);
            const QColor text = field->palette().color(QPalette::Text);
            const QString name = field->window()->objectName() + "/" + field->objectName();
            if (field->isReadOnly()) {
                ++results;
                // On a dark palette, a dark field of the same blue.
                QVERIFY2(base.hslHue() == ResultBlue.hslHue(), qPrintable(name));
                QVERIFY2(dark ? base.lightness() < 128 : base == ResultBlue, qPrintable(name));
                QVERIFY2(Contrast(text, base) >= LeastContrast, qPrintable(name));
            } else {
                QVERIFY2(base == (dark ? palette.base().color() : QColor(Qt::white)),
                         qPrintable(name));
                QVERIFY2(text == (dark ? palette.text().color() : QColor(Qt::black)),
                         qPrintable(name));
            }
        }
        QVERIFY(results > 5);
    }

    // The grid's coloured cells, painted rather than given as a palette.
    void gridFillsKeepTheirTextReadable_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void gridFillsKeepTheirTextReadable() {
        QFETCH(bool, dark);
        const QPalette palette = dark ? DarkPalette() : light_;
        for (const QColor& fill : {Silver, Aqua, ResultBlue}) {
            const QColor shown = ForPalette(fill, palette);
            QVERIFY(dark ? shown.hslHue() == fill.hslHue() && shown.lightness() < fill.lightness()
                         : shown == fill);
            QVERIFY(Contrast(shown, ForPalette(FillText, palette)) >= LeastContrast);
        }
    }
};

QTEST_MAIN(PaletteTest)
#include "PaletteTest.moc"
