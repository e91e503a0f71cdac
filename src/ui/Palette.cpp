// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Palette.h"

#include <QEvent>
#include <QLineEdit>
#include <QPalette>
#include <functional>
#include <utility>

namespace corbel::ui {

namespace {

struct Counterpart {
    QColor light;
    QColor dark;
};

// Each given colour and the one that stands for it on a dark palette, of the
// same hue: the texts lighter, reading at 4.5:1 or more on a dark window; the
// fills darker, under white text at 4.5:1 or more.
const Counterpart Counterparts[] = {
    {Navy, QColor(170, 170, 255)},      {Purple, QColor(240, 160, 240)},
    {BoldGreen, QColor(120, 220, 120)}, {ResultBlue, QColor(0, 87, 112)},
    {Aqua, QColor(0, 92, 92)},          {Silver, QColor(80, 80, 80)},
    {FillText, QColor(Qt::white)},
};

// Gives a widget the colours its colouring makes of the palette it stands on,
// now and again whenever that palette changes: a desktop switched between light
// and dark while the program runs takes the widgets with it.
class PaletteFollower : public QObject {
  public:
    // Makes the widget's own colours (only those) from its present palette.
    using Colouring = std::function<QPalette(const QPalette& present)>;

    static void Follow(QWidget* widget, Colouring colouring) {
        constexpr const char* name = "PaletteFollower";
        auto* follower = static_cast<PaletteFollower*>(
            widget->findChild<QObject*>(name, Qt::FindDirectChildrenOnly));
        if (!follower) {
            follower = new PaletteFollower(widget);
            follower->setObjectName(name);
            widget->installEventFilter(follower);
        }
        follower->colouring_ = std::move(colouring);
        follower->apply(widget);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The widget's palette has changed by now; what it inherits is new.
        if (event->type() == QEvent::PaletteChange && !applying_) {
            apply(static_cast<QWidget*>(watched));
        }
        return false;
    }

  private:
    using QObject::QObject;

    void apply(QWidget* widget) {
        applying_ = true;  // setting the colours is itself a palette change
        widget->setPalette(colouring_(widget->palette()));
        applying_ = false;
    }

    Colouring colouring_;
    bool applying_ = false;
};

// A field's own colours. A disabled field keeps the style's own look, so that
// it shows as disabled.
QPalette FieldColours(const QColor& base, const QColor& text) {
    QPalette own;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        own.setColor(group, QPalette::Base, base);
        own.setColor(group, QPalette::Text, text);
    }
    return own;
}

}  // namespace

bool IsDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor ForPalette(const QColor& given, const QPalette& palette) {
    if (IsDark(palette)) {
        for (const Counterpart& c : Counterparts) {
            if (c.light == given) {
                return c.dark;
            }
        }
    }
    return given;
}

void MakeResultField(QLineEdit* field) {
    field->setReadOnly(true);
    PaletteFollower::Follow(field, [](const QPalette& present) {
        return FieldColours(ForPalette(ResultBlue, present), ForPalette(FillText, present));
    });
}

void MakeInputField(QLineEdit* field) {
    field->setReadOnly(false);
    // On a dark palette the field takes the palette's own colours, as every
    // other program's fields do.
    PaletteFollower::Follow(field, [](const QPalette& present) {
        return IsDark(present) ? QPalette() : FieldColours(Qt::white, Qt::black);
    });
}

void MakeBold(QWidget* label, const QColor& colour) {
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    PaletteFollower::Follow(label, [colour](const QPalette& present) {
        QPalette own;
        own.setColor(QPalette::WindowText, ForPalette(colour, present));
        return own;
    });
}

void MakeHeading(QWidget* label, int pointSizeDelta) {
    MakeBold(label, Navy);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + pointSizeDelta);
    label->setFont(font);
}

}  // namespace corbel::ui
