// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QLineEdit;
class QWidget;

namespace corbel::ui {

// The program's colours.
inline const QColor ResultBlue(67, 213, 255);  // read-only result fields
inline const QColor Aqua(0, 255, 255);         // grid highlights
inline const QColor Silver(192, 192, 192);     // grid headings
inline const QColor Navy(0, 0, 128);           // headings and the header band
inline const QColor BoldGreen(0, 128, 0);      // window notes

// A field that only the program writes: read-only on light blue.
void MakeResultField(QLineEdit* field);
// A field the user types into: editable on white.
void MakeInputField(QLineEdit* field);
// Bold text in `colour`.
void MakeBold(QWidget* label, const QColor& colour);
// A large bold navy heading label.
void MakeHeading(QWidget* label, int pointSizeDelta = 6);

}  // namespace corbel::ui
