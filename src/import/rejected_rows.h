// The rows an import did not add, as a CSV the user opens beside the sheet
// to put them right: the sheet's header and each failing row's cells as the
// sheet has them, with one more column, "Greska", giving every reason.
#pragma once

#include "import/import_plan.h"

#include <string>

namespace dorvik::import {

// UTF-8 with a byte-order mark (spreadsheet programs then take it for
// UTF-8), the separator the sheet was read with (";" for a workbook), rows
// ended by CR LF.
std::string rejectedRowsCsv(const Sheet& sheet, const ImportPlan& plan);

} // namespace dorvik::import
