#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "calc/TableCells.h"

namespace corbel::cli {

// A cell as a plain number that a spreadsheet reads in any locale: whole
// numbers as they are, money with a full stop and two decimals.
std::string CsvNumber(double value, CellForm form);

// Writes rows as comma-separated lines, the first being the heading line; a
// field holding a comma, a quote or a line end is quoted.
void WriteCsv(std::ostream& out, const std::vector<std::vector<std::string>>& rows);

}  // namespace corbel::cli
