// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <span>

namespace corbel::cli {

// A JSON value whose object members keep the order they are added in.
using Json = nlohmann::ordered_json;

// A number as the program holds it, written as the shortest text that reads
// back to the same double; a whole value as a whole number (100000, not
// 100000.0), a value that is not finite as null.
Json Number(double value);
Json Numbers(std::span<const double> values);
Json OptionalNumber(const std::optional<double>& value);

// Writes `value` on one line, compact, members in the order they were added;
// each floating-point number as the shortest text that reads back to it
// (std::to_chars). A text that is not valid UTF-8 shows U+FFFD in the bytes'
// place, so the output stays valid JSON.
void WriteJson(std::ostream& out, const Json& value);

// Writes the object `head` with one more member `key` after its own: an array
// of `rowCount` arrays of `columnCount` numbers, cell(row, column) each written
// as WriteJson writes Number(cell). The bytes are those of WriteJson of the whole object; the
// rows go straight into the text, since a tree of a long schedule's hundred
// thousand numbers costs more than writing them.
void WriteJsonWithRows(std::ostream& out, const Json& head, std::string_view key,
                       std::size_t rowCount, std::size_t columnCount,
                       const std::function<double(std::size_t, std::size_t)>& cell);

}  // namespace corbel::cli
