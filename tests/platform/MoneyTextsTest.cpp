// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MoneyTexts.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace corbel {
namespace {

// Money values as the program holds them, of every size up to 10^13 cents:
// cent values, values between cents, exact binary halves at 0, 2 and 3
// decimals (the rounding ties), and each negated.
std::vector<double> MoneyValues(int count, std::uint64_t start) {
    std::mt19937_64 random(start);
    std::uniform_int_distribution<std::int64_t> cents(0, 10'000'000'000'000);
    std::uniform_int_distribution<int> shift(0, 43);
    std::uniform_real_distribution<double> within(0, 1);
    std::vector<double> values;
    for (int k = 0; k < count; ++k) {
        const double c = static_cast<double>(cents(random) >> shift(random));
        const double forms[] = {c / 100, (c + within(random)) / 100, c / 8, c / 16};
        const double value = forms[k % 4];
        values.push_back(value);
        values.push_back(-value);
    }
    return values;
}

// Values QLocale writes in its own way, which must still come out the same.
const double Unusual[] = {0.0,
                          -0.0,
                          -0.001,
                          -0.004,
                          1e15,
                          -1e15,
                          999999999999999.9,
                          1e300,
                          std::numeric_limits<double>::denorm_min(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};

std::string QtText(const QLocale& locale, double value, int precision) {
    return locale.toCurrencyString(value, QString(), precision).toStdString();
}

// Every form the program asks for: the currency's decimals, none and two.
constexpr int Precisions[] = {-1, 0, 2};

TEST(MoneyTextsTest, EqualsQtInEveryLocale) {
    const auto locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    const std::vector<double> values = MoneyValues(500, 7);
    int learnt = 0;
    for (const QLocale& locale : locales) {
        const MoneyTexts texts(locale);
        learnt += texts.learnt() ? 1 : 0;
        for (const int precision : Precisions) {
            for (const double value : values) {
                ASSERT_EQ(texts.text(value, precision), QtText(locale, value, precision))
                    << locale.name().toStdString() << " " << value << " precision " << precision;
            }
        }
    }
    // Nearly every locale's form is learnt; the rest are written by QLocale.
    EXPECT_GT(learnt, static_cast<int>(locales.size()) * 9 / 10) << "of " << locales.size();
}

// Non-Latin digits, the symbol after the amount, Indian grouping, negatives in
// parentheses or with a sign, three-decimal and no-decimal currencies.
TEST(MoneyTextsTest, EqualsQtOverManyValuesInRepresentativeLocales) {
    const char* const names[] = {"en_US", "de_DE", "fr_FR", "ja_JP", "en_IN", "ar_EG", "fa_IR",
                                 "mr_IN", "bn_BD", "de_CH", "nl_NL", "sv_SE", "pl_PL", "es_ES",
                                 "pt_PT", "he_IL", "ar_KW", "my_MM", "ps_AF", "en_GB"};
    std::vector<double> values = MoneyValues(25'000, 11);
    values.insert(values.end(), std::begin(Unusual), std::end(Unusual));
    for (const char* name : names) {
        const QLocale locale(QString::fromLatin1(name));
        const MoneyTexts texts(locale);
        EXPECT_TRUE(texts.learnt()) << name;
        for (const int precision : Precisions) {
            for (const double value : values) {
                ASSERT_EQ(texts.text(value, precision), QtText(locale, value, precision))
                    << name << " " << value << " precision " << precision;
            }
        }
    }
}

// A currency form that changes with the size of the amount cannot be learnt
// from a few texts: every text then comes from the reference itself.
TEST(MoneyTextsTest, FallsBackToTheReferenceWhereTheFormDoesNotHold) {
    const QLocale enUs(QLocale::English, QLocale::UnitedStates);
    const MoneyTexts::CurrencyText irregular[] = {
        // Negatives of a million or more with a minus sign instead of parentheses.
        [&](double value, int precision) {
            return value <= -1e6 ? "-" + enUs.toCurrencyString(-value, QString(), precision)
                                 : enUs.toCurrencyString(value, QString(), precision);
        },
        // No group separator in amounts of seven whole digits.
        [&](double value, int precision) {
            QString text = enUs.toCurrencyString(value, QString(), precision);
            return std::fabs(value) >= 1e6 && std::fabs(value) < 1e7 ? text.remove(',') : text;
        },
    };
    for (const auto& reference : irregular) {
        const MoneyTexts texts(enUs, reference);
        EXPECT_FALSE(texts.learnt());
        for (const double value : {-2500000.5, 1234567.891, -12.5}) {
            EXPECT_EQ(texts.text(value, 2), reference(value, 2).toStdString());
        }
    }
}

}  // namespace
}  // namespace corbel
