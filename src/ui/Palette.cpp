// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Palette.h"

#include <QLineEdit>
#include <QPalette>

namespace corbel::ui {

namespace {

void SetBase(QLineEdit* field, const QColor& colour) {
    // A disabled field keeps the style's own look, so that it shows as disabled.
    QPalette palette = field->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, colour);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    field->setPalette(palette);
}

}  // namespace

void MakeResultField(QLineEdit* field) {
    field->setReadOnly(true);
    SetBase(field, ResultBlue);
}

void MakeInputField(QLineEdit* field) {
    field->setReadOnly(false);
    SetBase(field, Qt::white);
}

void MakeBold(QWidget* label, const QColor& colour) {
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void MakeHeading(QWidget* label, int pointSizeDelta) {
    MakeBold(label, Navy);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + pointSizeDelta);
    label->setFont(font);
}

}  // namespace corbel::ui
