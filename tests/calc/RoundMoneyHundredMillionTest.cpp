// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

#include "calc/Rounding.h"

// How many values to compare; the sanitizer build sets fewer, its calls being
// many times slower.
#ifndef CW_ROUND_MONEY_VALUES
#define CW_ROUND_MONEY_VALUES 100'000'000
#endif

namespace corbel {
namespace {

constexpr std::int64_t ValueCount = CW_ROUND_MONEY_VALUES;

// A small, fast generator (splitmix64): the values must cost far less than the
// comparison.
struct Generator {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(next() >> 11) * 0x1p-53; }
    std::int64_t below(std::int64_t bound) {
        return static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(bound));
    }
};

// Half a unit of the 15th significant digit of a value below 10^digits.
double HalfUnit(int wholeDigits) {
    return 5 * std::pow(10.0, wholeDigits - 16);
}

// The k-th value: amounts in cents up to 10^9, exact binary halves and quarters
// (decimal ties, half of them below 1), negatives, values near 1, values at and around the point
// where the 15-digit text carries into the integer part, products as the runs round them, and any
// magnitude.
double ValueAt(Generator& g, std::int64_t k) {
    const std::int64_t cents = g.below(100'000'000'001);
    switch (k % 8) {
        case 0:
            return static_cast<double>(cents) / 100;
        case 1:
            return (k % 16 == 1 ? 0 : std::floor(static_cast<double>(cents) / 100)) +
                   std::ldexp(static_cast<double>(2 * g.below(16) + 1),
                              -static_cast<int>(1 + g.below(5)));
        case 2:
            return -static_cast<double>(cents) / 100;
        case 3:
            return 1 + (g.unit() - 0.5) * std::ldexp(1.0, -static_cast<int>(g.below(60)));
        case 4: {
            const int digits = static_cast<int>(1 + g.below(13));
            const double whole = std::floor(std::pow(10.0, digits - 1) * (1 + 9 * g.unit()));
            const double below = HalfUnit(digits) * (1 + (g.unit() - 0.5) * 1e-5);
            return whole + 1 - (k % 16 == 4 ? HalfUnit(digits) : below);
        }
        case 5:
            return static_cast<double>(cents) / 100 * (g.unit() * 0.02);
        case 6:
            return static_cast<double>(cents) / 100 + 1 - g.unit() * 0.06;
        default: {
            const double magnitude = g.unit() * std::pow(10.0, static_cast<int>(g.below(29)) - 12);
            return k % 16 == 7 ? -magnitude : magnitude;
        }
    }
}

struct Mismatch {
    double value = 0;
    double digits = 0;
    double fast = 0;
    double text = 0;
};

TEST(RoundMoneyEquivalenceTest, HundredMillionValuesOverTheWholeRange) {
    const double digitsChoice[] = {2, 2, 2, 2, 2, 0, 4, 10};
    const auto threads =
        static_cast<std::int64_t>(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::vector<Mismatch>> found(static_cast<std::size_t>(threads));
    std::vector<std::thread> workers;
    for (std::int64_t t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            Generator g{static_cast<std::uint64_t>(20261208 + t)};
            auto& mine = found[static_cast<std::size_t>(t)];
            const std::int64_t end = ValueCount * (t + 1) / threads;
            for (std::int64_t k = ValueCount * t / threads; k < end && mine.size() < 10; ++k) {
                const double value = ValueAt(g, k);
                const double digits = digitsChoice[(k / 8) % 8];
                const double fast = RoundMoney(value, digits);
                const double text = RoundMoneyByText(value, digits);
                if (!(fast == text && std::signbit(fast) == std::signbit(text))) {
                    mine.push_back({value, digits, fast, text});
                }
            }
        });
    }
    for (std::thread& w : workers) {
        w.join();
    }
    for (const auto& mine : found) {
        for (const Mismatch& m : mine) {
            ADD_FAILURE() << std::hexfloat << m.value << " digits " << m.digits << ": " << m.fast
                          << " vs " << m.text;
        }
    }
}

}  // namespace
}  // namespace corbel
