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
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], Width(row[c]));
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c != 0) {
                line += "  ";
            }
            line.append(widths[c] - Width(row[c]), ' ');
            line += row[c];
        }
        out << line << "\n";
    }
}

}  // namespace corbel::cli
