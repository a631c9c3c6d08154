// A sheet file, whatever it holds: CSV or TAB-separated text, an .xlsx or an
// .ods workbook (told by their contents, so a workbook renamed .csv is still
// read as one), or an old binary workbook, which is refused with advice.
#pragma once

#include "import/text_sheet.h"

#include <string_view>

namespace dorvik::import {

inline constexpr const char* kOldWorkbookMessage =
    "Ova e tabela vo star format. Zacuvajte ja kako CSV ili .xlsx.";

// fileName decides only for ".xls" files that are neither a workbook nor an
// old binary one (the text or web pages some programs save under that name).
SheetResult readSheet(std::string_view bytes, std::string_view fileName,
                      const TextSheetOptions& textOptions = {});

} // namespace dorvik::import
