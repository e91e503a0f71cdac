// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Json.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace corbel::cli {
namespace {

using Rows = std::vector<std::vector<double>>;

// The rows written straight into the text must give the bytes of the tree.
std::string AsTree(const Json& head, const Rows& rows) {
    Json all = head;
    Json& table = all["rows"] = Json::array();
    for (const auto& row : rows) {
        table.push_back(Numbers(row));
    }
    std::ostringstream out;
    WriteJson(out, all);
    return out.str();
}

std::string Streamed(const Json& head, const Rows& rows) {
    std::ostringstream out;
    WriteJsonWithRows(out, head, "rows", rows.size(), rows.empty() ? 0 : rows[0].size(),
                      [&](std::size_t r, std::size_t c) { return rows[r][c]; });
    return out.str();
}

TEST(JsonRowsTest, WritesTheBytesOfTheWholeTree) {
    constexpr double Inf = std::numeric_limits<double>::infinity();
    const Json money = {{"repayment", Number(1750.13)}, {"repayment_text", "$1,750.13"}};
    const Json badText = {{"repayment_text", std::string("\xff$1")}};
    const struct {
        Json head;
        Rows rows;
    } cases[] = {
        {money, {{1, 10, 330.03, 669.97, 10, 330.03}, {2, 6.7, 333.33, 336.64, 16.7, 663.36}}},
        {money, {}},
        {Json::object(), {{0.1, -0.0, 1e-7, 1e21, 9007199254740992.0, -123456789.12}}},
        {badText, {{std::nan(""), Inf, -Inf, 0.30000000000000004, 5e-324, 1.7976931348623157e308}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Streamed(c.head, c.rows), AsTree(c.head, c.rows));
    }
}

// Any double that is not a whole number is written as std::to_chars's shortest
// text, which reads back to the same double.
TEST(JsonNumberTest, RandomDoublesComeOutShortestAndReadBackEqual) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> money(-1e13, 1e13);
    for (int k = 0; k < 200000; ++k) {
        // Half any bit pattern, half amounts as the program holds them.
        double value = k % 2 == 0 ? std::bit_cast<double>(random()) : money(random) / 1000;
        if (!std::isfinite(value) || value == std::trunc(value)) {
            continue;
        }
        std::ostringstream out;
        WriteJson(out, Json::array({Number(value)}));
        char expected[32];
        const auto end = std::to_chars(expected, expected + sizeof expected, value);
        // Appended in turn: "[" put in front of a temporary makes GCC 12 at -O3
        // warn of an overlapping copy that cannot happen (-Wrestrict).
        std::string line = "[";
        line.append(expected, end.ptr);
        ASSERT_EQ(out.str(), line + "]\n");
        double back = 0;
        const std::string text = out.str().substr(1, out.str().size() - 3);
        std::from_chars(text.data(), text.data() + text.size(), back);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(value)) << text;
    }
}

}  // namespace
}  // namespace corbel::cli
