// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>

namespace corbel::ui {

// The program's own pictures, drawn rather than shipped.
enum class Picture {
    Open,
    Save,
    Grid,
    Schedule,
    Additional,
    Chart,
    About,
    Help,
    Quit,
    Print,
    House
};

QIcon Icon(Picture picture);
QPixmap Pixmap(Picture picture, int size);

}  // namespace corbel::ui
