// A sheet file, whatever it holds: CSV or TAB-separated text, an .xlsx or an
// .ods workbook (told by their contents, so a workbook renamed .csv is still
// read as one), or an old binary workbook, which is refused with advice.
#pragma once

#include "import/text_sheet.h"

#include <string>
#include <string_view>

namespace dorvik {
class FileSystem;
}

namespace dorvik::import {

inline constexpr const char* kOldWorkbookMessage =
    "Ova e tabela vo star format. Zacuvajte ja kako CSV ili .xlsx.";

// fileName decides only for ".xls" files that are neither a workbook nor an
// old binary one (the text or web pages some programs save under that name).
SheetResult readSheet(std::string_view bytes, std::string_view fileName,
                      const TextSheetOptions& textOptions = {});

struct SheetFile {
    std::string bytes;
    std::string error; // not empty: the file could not be read, or is too large to be a sheet
};

// The sheet file's bytes, read no further than a sheet can be large.
SheetFile loadSheetFile(FileSystem& files, const std::string& path);

} // namespace dorvik::import
