#include "cli/TextTable.h"

#include <algorithm>

namespace corbel::cli {

namespace {

std::size_t Width(const std::string& text) {
    // UTF-8: every byte that does not continue a character starts one.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

void WriteTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    std::size_t bytes = 0;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], Width(row[c]));
            bytes += row[c].size();
        }
    }
    // One text for the whole table: a long schedule is tens of thousands of lines.
    std::string text;
    text.reserve(bytes + rows.size() * (1 + 3 * widths.size()));
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c != 0) {
                text += "  ";
            }
            text.append(widths[c] - Width(row[c]), ' ');
            text += row[c];
        }
        text += '\n';
    }
    out << text;
}

}  // namespace corbel::cli
