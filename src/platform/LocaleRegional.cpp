// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/LocaleRegional.h"

#include <cmath>

namespace corbel {

namespace {

bool HasCurrency(const QLocale& locale) {
    return locale.language() != QLocale::C;
}

}  // namespace

LocaleRegional::LocaleRegional(const QLocale& locale)
    : locale_(locale),
      moneyLocale_(HasCurrency(locale) ? locale : QLocale(QLocale::English, QLocale::UnitedStates)),
      moneyTexts_(moneyLocale_) {}

LocaleRegional LocaleRegional::system() {
    return LocaleRegional(QLocale::system());
}

std::string LocaleRegional::decimalSeparator() const {
    return locale_.decimalPoint().toStdString();
}

std::string LocaleRegional::money(double value, MoneyForm form) const {
    const int precision = form == MoneyForm::TwoDecimals  ? 2
                          : form == MoneyForm::NoDecimals ? 0
                                                          : -1;
    return moneyTexts_.text(value, precision);
}

std::string LocaleRegional::currencySymbol() const {
    return moneyLocale_.currencySymbol().toStdString();
}

std::string LocaleRegional::number(double value, int maxDecimals, bool grouped) const {
    // Plain numbers follow the money format's locale, so that they group and
    // separate as the money texts beside them do.
    QLocale locale = moneyLocale_;
    locale.setNumberOptions(grouped ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    // A value that rounds to zero shows "0", never "-0".
    if (std::abs(value) < 0.5 * std::pow(10.0, -maxDecimals)) {
        value = 0;
    }
    QString text = locale.toString(value, 'f', maxDecimals);
    if (maxDecimals > 0) {
        const QString zero = locale.zeroDigit();
        while (text.endsWith(zero)) {
            text.chop(zero.size());
        }
        if (text.endsWith(locale.decimalPoint())) {
            text.chop(locale.decimalPoint().size());
        }
    }
    return text.toStdString();
}

}  // namespace corbel
