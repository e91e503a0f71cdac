#include "platform/LocaleRegional.h"

namespace corbel {

namespace {

bool HasCurrency(const QLocale& locale) {
    return locale.language() != QLocale::C;
}

}  // namespace

LocaleRegional::LocaleRegional(const QLocale& locale)
    : locale_(locale),
      moneyLocale_(HasCurrency(locale) ? locale
                                       : QLocale(QLocale::English, QLocale::UnitedStates)) {}

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
    return moneyLocale_.toCurrencyString(value, QString(), precision).toStdString();
}

}  // namespace corbel
