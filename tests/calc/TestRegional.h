// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>

#include "platform/LocaleRegional.h"

namespace corbel::test {

inline const LocaleRegional& EnUs() {
    static const LocaleRegional regional(QLocale(QLocale::English, QLocale::UnitedStates));
    return regional;
}

inline const LocaleRegional& DeDe() {
    static const LocaleRegional regional(QLocale(QLocale::German, QLocale::Germany));
    return regional;
}

}  // namespace corbel::test
