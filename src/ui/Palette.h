// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QLineEdit;
class QPalette;
class QWidget;

namespace corbel::ui {

// The program's colours, as they show on a light palette.
inline const QColor ResultBlue(67, 213, 255);  // read-only result fields
inline const QColor Aqua(0, 255, 255);         // grid highlights
inline const QColor Silver(192, 192, 192);     // grid headings
inline const QColor Navy(0, 0, 128);           // headings and the header band
inline const QColor BoldGreen(0, 128, 0);      // window notes
inline const QColor Purple(128, 0, 128);       // the additional payment options
inline const QColor FillText(Qt::black);       // text on the coloured fills

// Whether `palette` is a dark one (light text on a dark window): the one place
// that decides it.
bool IsDark(const QPalette& palette);
// `given` on a light palette; on a dark one its counterpart of the same hue,
// lighter for a text colour and darker for a fill, so that it still reads.
// A colour without a counterpart reads on both and is returned as it is.
QColor ForPalette(const QColor& given, const QPalette& palette);

// A field that only the program writes: read-only on light blue.
void MakeResultField(QLineEdit* field);
// A field the user types into: editable on white, or on the palette's own
// field colours when the palette is dark.
void MakeInputField(QLineEdit* field);
// Bold text in `colour` (its counterpart on a dark palette).
void MakeBold(QWidget* label, const QColor& colour);
// A large bold navy heading label.
void MakeHeading(QWidget* label, int pointSizeDelta = 6);

}  // namespace corbel::ui
