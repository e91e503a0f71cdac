// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/TextTable.h"

#include <algorithm>

#include "calc/Utf8.h"

namespace corbel::cli {

void TextTable::add(std::string_view cell) {
    const std::size_t column = ends_.size() - (rowEnds_.empty() ? 0 : rowEnds_.back());
    const std::size_t width = CharacterCount(cell);
    if (column >= columnWidths_.size()) {
        columnWidths_.resize(column + 1, 0);
    }
    columnWidths_[column] = std::max(columnWidths_[column], width);
    cells_ += cell;
    ends_.push_back(static_cast<std::uint32_t>(cells_.size()));
    widths_.push_back(static_cast<std::uint32_t>(width));
}

void TextTable::endRow() {
    rowEnds_.push_back(ends_.size());
}

void TextTable::write(std::ostream& out) const {
    // Written a block at a time: the whole text of a long table would be as
    // large again as its cells.
    constexpr std::size_t Block = 1 << 16;
    std::string text;
    text.reserve(Block + 1024);
    std::size_t cell = 0;
    std::size_t start = 0;  // of the cell in cells_
    for (const std::size_t rowEnd : rowEnds_) {
        for (std::size_t column = 0; cell < rowEnd; ++cell, ++column) {
            if (column != 0) {
                text += "  ";
            }
            text.append(columnWidths_[column] - widths_[cell], ' ');
            text.append(cells_, start, ends_[cell] - start);
            start = ends_[cell];
        }
        text += '\n';
        if (text.size() >= Block) {
            out << text;
            text.clear();
        }
    }
    out << text;
}

void WriteTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    TextTable table;
    for (const auto& row : rows) {
        for (const std::string& cell : row) {
            table.add(cell);
        }
        table.endRow();
    }
    table.write(out);
}

}  // namespace corbel::cli
