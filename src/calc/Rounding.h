// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace corbel {

namespace detail {

// The cents 0 to 200 over 100 in extended precision, stored as doubles, as the
// text rounding makes them.
inline constexpr std::array<double, 201> CentFractions = [] {
    std::array<double, 201> fractions{};
    for (std::size_t k = 0; k < fractions.size(); ++k) {
        fractions[k] = static_cast<double>(static_cast<long double>(k) / 100);
    }
    return fractions;
}();

// Half a unit of the 15th significant digit of a value with integer part `whole`.
double HalfUnitOfLastDigit(double whole);

// units / 2^shift rounded to a whole number, exact halves to even, for units
// below 2^62.
constexpr std::uint64_t ShiftRoundingHalvesToEven(std::uint64_t units, int shift) {
    if (shift >= 64) {
        return 0;
    }
    return (units + (std::uint64_t{1} << (shift - 1)) - 1 + ((units >> shift) & 1)) >> shift;
}

}  // namespace detail

// RoundMoney as its rule says, through the decimal text on every call; the fast
// RoundMoney is checked against it, and takes it where its own steps do not hold.
double RoundMoneyByText(double value, double digits);

// Rounds to `digits` decimals (0, 2, 4 or 10) through the 15-digit text of
// value - 1: the integer part comes from that text, the fraction is rounded with
// exact halves to even. Values within 0.0001 of 1 (but not 1) and values whose
// text needs an exponent come back unchanged. RoundMoneyByText does exactly that.
//
// Cents, which every period of a run rounds, are worked out inline from the
// value's bits, without the text, for values from 0 to 0.9998 and from 1.001 to
// 10^13: a double is a 53-bit whole number times a power of two, so the value
// (or its fraction) times 100 is an exact whole number of 2^-n, and its rounding
// to even a shift. Between those ranges, near a carry into the integer part that
// the text decides, and for other digits, the text.
inline double RoundMoney(double value, double digits) {
    constexpr std::uint64_t Unit = std::uint64_t{1} << 52;
    // value = significand x 2^(exponent - 52) from 2^-1022 up
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int exponent = static_cast<int>((bits >> 52) & 0x7ff) - 1023;
    const std::uint64_t significand = (bits & (Unit - 1)) | Unit;
    if (digits == 2 && value >= 0 && value <= 0.9998) {
        // The integer part of value - 1 is -0 (or -1 below 10^-15, where both
        // leave nothing), so the cents are those of the value.
        return detail::CentFractions[detail::ShiftRoundingHalvesToEven(significand * 100,
                                                                       52 - exponent)];
    }
    if (digits == 2 && value >= 1.001 && value < 1e13) {
        // Fixed point in units of 2^-52, exponent 0 to 43.
        const std::uint64_t fraction = (significand << exponent) & (Unit - 1);
        const auto whole = static_cast<std::int64_t>(significand >> (52 - exponent));
        std::int64_t intPart = whole - 1;      // of value - 1, unless rounding carries into it
        std::uint64_t kept = Unit + fraction;  // value - intPart, below 2
        // The half of the 15th digit is at most 0.005 below 10^13, so only a
        // fraction within 1/128 of the next integer can carry or come near it.
        if (fraction >= Unit - Unit / 128) {
            const double toNext = static_cast<double>(Unit - fraction) * 0x1p-52;  // exact
            const double half = detail::HalfUnitOfLastDigit(static_cast<double>(intPart));
            if (toNext <= half * (1 + 1e-6) && toNext >= half * (1 - 1e-6)) {
                return RoundMoneyByText(value, digits);
            }
            if (toNext < half) {
                intPart = whole;
                kept = fraction;
            }
        }
        const std::uint64_t cents = detail::ShiftRoundingHalvesToEven(kept * 100, 52);
        return static_cast<double>(static_cast<long double>(intPart) +
                                   detail::CentFractions[cents]);
    }
    return RoundMoneyByText(value, digits);
}

}  // namespace corbel
