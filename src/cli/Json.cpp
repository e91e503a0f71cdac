#include "cli/Json.h"

#include <cmath>
#include <cstdint>

namespace corbel::cli {

Json Number(double value) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    // Every whole double below 2^53 is exactly a 64-bit integer.
    constexpr double ExactIntegers = 9007199254740992.0;
    if (value == std::trunc(value) && std::fabs(value) < ExactIntegers) {
        return static_cast<std::int64_t>(value);
    }
    return value;
}

Json Numbers(std::span<const double> values) {
    Json array = Json::array();
    for (const double value : values) {
        array.push_back(Number(value));
    }
    return array;
}

Json OptionalNumber(const std::optional<double>& value) {
    return value ? Number(*value) : Json(nullptr);
}

void WriteJson(std::ostream& out, const Json& value) {
    out << value.dump(-1, ' ', false, Json::error_handler_t::replace) << "\n";
}

void WriteJsonWithRows(std::ostream& out, const Json& head, std::string_view key,
                       std::size_t rowCount, std::size_t columnCount,
                       const std::function<double(std::size_t, std::size_t)>& cell) {
    constexpr auto Replace = Json::error_handler_t::replace;
    std::string text = head.dump(-1, ' ', false, Replace);
    text.pop_back();  // the closing brace, written after the rows
    if (!head.empty()) {
        text += ',';
    }
    text += Json(key).dump(-1, ' ', false, Replace);
    text += ":[";
    // The library's own writer, one number at a time, appending to `text`.
    nlohmann::detail::serializer<Json> numbers(nlohmann::detail::output_adapter<char>(text), ' ',
                                               Replace);
    for (std::size_t r = 0; r < rowCount; ++r) {
        text += r == 0 ? "[" : ",[";
        for (std::size_t c = 0; c < columnCount; ++c) {
            if (c != 0) {
                text += ',';
            }
            numbers.dump(Number(cell(r, c)), false, false, 0);
        }
        text += ']';
    }
    text += "]}\n";
    out << text;
}

}  // namespace corbel::cli
