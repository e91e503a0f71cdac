#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace corbel::cli {

// Writes rows as right-aligned columns two blanks apart; the first row is the
// heading line. Widths count characters, not bytes, so money texts with a
// currency sign such as "€" still line up.
void WriteTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows);

}  // namespace corbel::cli
