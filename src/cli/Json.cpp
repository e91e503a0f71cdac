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

}  // namespace corbel::cli
