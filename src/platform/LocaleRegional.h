// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>

#include "calc/Regional.h"
#include "platform/MoneyTexts.h"

namespace corbel {

// Regional settings from a QLocale. A locale without currency settings (C,
// POSIX) formats money as en_US does.
class LocaleRegional : public Regional {
  public:
    explicit LocaleRegional(const QLocale& locale);
    static LocaleRegional system();

    std::string decimalSeparator() const override;
    std::string money(double value, MoneyForm form) const override;
    std::string number(double value, int maxDecimals, bool grouped) const override;
    std::string currencySymbol() const override;
    const QLocale& locale() const { return locale_; }

  private:
    QLocale locale_;
    QLocale moneyLocale_;
    MoneyTexts moneyTexts_;  // moneyLocale_'s money texts
};

}  // namespace corbel
