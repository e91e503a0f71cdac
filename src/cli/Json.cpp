// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace corbel::cli {

namespace {

constexpr auto Replace = Json::error_handler_t::replace;

// Every whole double below 2^53 is exactly a 64-bit integer.
constexpr double ExactIntegers = 9007199254740992.0;

bool IsExactInteger(double value) {
    return value == std::trunc(value) && std::fabs(value) < ExactIntegers;
}

// Number's text of `value`. std::to_chars gives the shortest text that reads
// back to the same double; the library's own writer is sometimes a digit longer.
void AppendNumber(std::string& text, double value) {
    char buffer[32];
    std::to_chars_result end{};
    if (!std::isfinite(value)) {
        text += "null";
        return;
    }
    if (IsExactInteger(value)) {
        end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value));
    } else {
        end = std::to_chars(buffer, buffer + sizeof buffer, value);
    }
    text.append(buffer, end.ptr);
}

// The compact text of `value`, as the library writes it but with every
// floating-point number written by AppendNumber.
void AppendJson(std::string& text, const Json& value) {
    switch (value.type()) {
        case Json::value_t::object: {
            text += '{';
            bool first = true;
            for (auto member = value.begin(); member != value.end(); ++member) {
                if (!first) {
                    text += ',';
                }
                first = false;
                text += Json(member.key()).dump(-1, ' ', false, Replace);
                text += ':';
                AppendJson(text, member.value());
            }
            text += '}';
            break;
        }
        case Json::value_t::array: {
            text += '[';
            bool first = true;
            for (const Json& element : value) {
                if (!first) {
                    text += ',';
                }
                first = false;
                AppendJson(text, element);
            }
            text += ']';
            break;
        }
        case Json::value_t::number_float:
            AppendNumber(text, value.get<double>());
            break;
        default:
            text += value.dump(-1, ' ', false, Replace);
    }
}

}  // namespace

Json Number(double value) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    if (IsExactInteger(value)) {
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
    std::string text;
    AppendJson(text, value);
    text += '\n';
    out << text;
}

void WriteJsonWithRows(std::ostream& out, const Json& head, std::string_view key,
                       std::size_t rowCount, std::size_t columnCount,
                       const std::function<double(std::size_t, std::size_t)>& cell) {
    std::string text;
    AppendJson(text, head);
    text.pop_back();  // the closing brace, written after the rows
    if (!head.empty()) {
        text += ',';
    }
    text += Json(key).dump(-1, ' ', false, Replace);
    text += ":[";
    for (std::size_t r = 0; r < rowCount; ++r) {
        text += r == 0 ? "[" : ",[";
        for (std::size_t c = 0; c < columnCount; ++c) {
            if (c != 0) {
                text += ',';
            }
            AppendNumber(text, cell(r, c));
        }
        text += ']';
    }
    text += "]}\n";
    out << text;
}

}  // namespace corbel::cli
