// The first sheet of an Office Open XML workbook (.xlsx): the workbook names
// its sheets in order and where each is; cells hold numbers (dates among
// them, as day serials), indexes into the shared strings, inline strings, or
// a formula's cached value.
#pragma once

#include "import/text_sheet.h"

namespace dorvik::import {

class ZipArchive;

SheetResult readXlsxSheet(ZipArchive& archive);

} // namespace dorvik::import
