// A sheet's rows as text, for comparing: "number:cell|cell", each number
// cell marked "#", an unreadable row "number!cell|cell".
#pragma once

#include "import/sheet.h"

#include <string>
#include <vector>

namespace dorvik::import {

inline std::vector<std::string> rowsOf(const Sheet& sheet)
{
    std::vector<std::string> rows;
    for (const SheetRow& row : sheet.rows) {
        std::string text = std::to_string(row.number) + (row.unreadable.empty() ? ":" : "!");
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            text += std::string(c ? "|" : "") + std::string(row.cells[c].text) + (row.cells[c].number ? "#" : "");
        rows.push_back(text);
    }
    return rows;
}

} // namespace dorvik::import
