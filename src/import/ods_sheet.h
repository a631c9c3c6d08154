// The first table of an OpenDocument spreadsheet (.ods): rows and cells that
// repeat (a run of empty cells is one element), typed values (a number's
// office:value, a date's office:date-value) beside the text shown.
#pragma once

#include "import/text_sheet.h"

namespace dorvik::import {

class ZipArchive;

SheetResult readOdsSheet(ZipArchive& archive);

} // namespace dorvik::import
