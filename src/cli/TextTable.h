// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace corbel::cli {

// Rows written as right-aligned columns two blanks apart; the first row is the
// heading line. Widths count characters, not bytes, so money texts with a
// currency sign such as "€" still line up. The cells are kept in one text, since
// a long schedule has a hundred thousand of them.
class TextTable {
  public:
    // Adds a cell to the current row.
    void add(std::string_view cell);
    // Ends the current row; the next cell starts a new one.
    void endRow();
    void write(std::ostream& out) const;

  private:
    std::string cells_;                  // every cell's text, one after another
    std::vector<std::uint32_t> ends_;    // where each cell ends in cells_
    std::vector<std::uint32_t> widths_;  // each cell's width in characters
    std::vector<std::size_t> rowEnds_;   // one past each row's last cell
    std::vector<std::size_t> columnWidths_;
};

// The same for rows held as texts.
void WriteTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows);

}  // namespace corbel::cli
