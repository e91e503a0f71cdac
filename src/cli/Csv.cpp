#include "cli/Csv.h"

#include <charconv>

namespace corbel::cli {

namespace {

std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

}  // namespace

std::string CsvNumber(double value, CellForm form) {
    const double shown = CellValue(value, form);
    char buf[64];
    const auto end = form == CellForm::Count
                         ? std::to_chars(buf, buf + sizeof buf, shown, std::chars_format::fixed, 0)
                         : std::to_chars(buf, buf + sizeof buf, shown, std::chars_format::fixed, 2);
    return std::string(buf, end.ptr);
}

void WriteCsv(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += (c == 0 ? "" : ",") + Field(row[c]);
        }
        out << line << "\n";
    }
}

}  // namespace corbel::cli
