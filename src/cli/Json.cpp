#include "cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace corbel::cli {

namespace {

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

}  // namespace

Json Json::number(double value) {
    if (!std::isfinite(value)) {
        return null();
    }
    // The shortest text that reads back to the same double: 599.56, not
    // 599.55999999999995; 100000, not 1e+05, unless the magnitude is extreme.
    const double magnitude = std::fabs(value);
    const bool plain = magnitude == 0 || (magnitude >= 1e-6 && magnitude < 1e21);
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value,
                                   plain ? std::chars_format::fixed : std::chars_format::scientific)
                         .ptr;
    return Json(std::string(buf, end));
}

Json Json::integer(long long value) {
    return Json(std::to_string(value));
}
Json Json::string(std::string_view text) {
    return Json(Quote(text));
}
Json Json::optionalString(const std::optional<std::string>& text) {
    return text ? string(*text) : null();
}
Json Json::null() {
    return Json("null");
}

Json Json::array(const std::vector<Json>& items) {
    std::string text = "[";
    for (std::size_t k = 0; k < items.size(); ++k) {
        text += (k ? "," : "") + items[k].text();
    }
    return Json(text + "]");
}

Json Json::numbers(const std::vector<double>& values) {
    std::vector<Json> items;
    items.reserve(values.size());
    for (const double v : values) {
        items.push_back(number(v));
    }
    return array(items);
}

Json::Object& Json::Object::add(std::string_view key, const Json& value) {
    if (!body_.empty()) {
        body_ += ",";
    }
    body_ += Quote(key) + ":" + value.text();
    return *this;
}

}  // namespace corbel::cli
