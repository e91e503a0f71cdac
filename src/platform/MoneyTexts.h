// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>

namespace corbel {

// Money texts of one locale, the same characters as QLocale::toCurrencyString,
// written directly. The locale's currency form (symbol and its place, the
// negative form, digits, decimal point, where group separators fall for each
// length of the whole part, the currency's own decimals) is learnt once from
// QLocale itself and checked against it; a locale whose form does not check
// out, and any value outside the learnt range, goes to QLocale.
class MoneyTexts {
  public:
    // toCurrencyString(value, QString(), precision) of some locale.
    using CurrencyText = std::function<QString(double value, int precision)>;

    explicit MoneyTexts(const QLocale& locale);
    // The form learnt from, checked against and falling back on `reference`
    // instead of the locale's own currency texts; the locale gives the digits,
    // decimal point and groups of plain numbers.
    MoneyTexts(const QLocale& locale, CurrencyText reference);

    // toCurrencyString(value, QString(), precision) as UTF-8; precision -1 is
    // the currency's own number of decimals.
    std::string text(double value, int precision) const;

    // Whether the texts are written directly (false: every text from QLocale).
    bool learnt() const { return form_.has_value(); }

  private:
    // Whole parts up to this many digits are written directly.
    static constexpr int MaxWholeDigits = 15;
    static constexpr int MaxPrecision = 4;

    // A piece of text as UTF-8 in a fixed room, copied in one or a few fixed
    // moves and then counted by its size, so that writing it takes no loop.
    struct Piece {
        std::array<char, 48> bytes{};
        std::uint8_t size = 0;

        // False when the text is longer than `longest` bytes.
        bool assign(const QString& text, std::size_t longest) {
            const QByteArray utf8 = text.toUtf8();
            if (static_cast<std::size_t>(utf8.size()) > longest) {
                return false;
            }
            std::memcpy(bytes.data(), utf8.constData(), static_cast<std::size_t>(utf8.size()));
            size = static_cast<std::uint8_t>(utf8.size());
            return true;
        }
        // Copies the piece to `end` (and up to 48 bytes after it), which then
        // moves on by its size.
        void put(char*& end) const {
            if (size <= 8) {
                std::memcpy(end, bytes.data(), 8);
            } else {
                std::memcpy(end, bytes.data(), bytes.size());
            }
            end += size;
        }
    };
    // The longest digit, separator and affix, in bytes.
    static constexpr std::size_t LongestDigit = 4;
    static constexpr std::size_t LongestMark = 8;
    static constexpr std::size_t LongestAffix = 48;
    struct Form {
        std::array<Piece, 10> digits;
        Piece decimalPoint;
        Piece group;
        Piece positivePrefix, positiveSuffix, negativePrefix, negativeSuffix;
        // Bit k set: a group separator follows the (k+1)-th digit from the left,
        // for a whole part of n digits (index n).
        std::array<std::uint32_t, MaxWholeDigits + 1> groupsAfter{};
        int currencyDigits = 2;
    };

    static std::optional<Form> learn(const QLocale& locale, const CurrencyText& reference);
    // The longest text write makes, with room for its last piece's whole copy:
    // affixes of 48 bytes, 15 digits of 4, 14 separators and a decimal point of
    // 8, 4 decimals.
    static constexpr std::size_t TextRoom =
        2 * LongestAffix + 15 * LongestDigit + 15 * LongestMark + 4 * LongestDigit + 48;
    // Writes the text from `form` into `text` and answers its size; 0 where the
    // reference must write it.
    static std::size_t write(const Form& form, double value, int precision, char* text);

    CurrencyText reference_;
    std::optional<Form> form_;
};

}  // namespace corbel
