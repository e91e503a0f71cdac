#include "cli/Json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
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

}  // namespace
}  // namespace corbel::cli
