// Reading CSV and TAB-separated text: quoting as RFC 4180 has it (doubled
// quotes, separators and line breaks inside quotes), rows ending at CR LF, LF
// or CR, the separator and the encoding found out unless the user names them.
#pragma once

#include "import/sheet.h"

#include <optional>
#include <string>
#include <string_view>

namespace dorvik::import {

inline constexpr std::string_view kSeparators = ";,\t"; // in the order ties go

struct TextSheetOptions {
    // Nothing: a first line "sep=X" names it, else whichever of ";", "," and
    // TAB gives one cell count on most of the first 50 rows (";" on a tie).
    std::optional<char> separator;
    TextEncoding encoding = TextEncoding::Auto;
};

struct SheetResult {
    Sheet sheet;
    std::string error; // not empty: the sheet could not be read, and why
};

SheetResult readTextSheet(std::string_view bytes, const TextSheetOptions& options = {});

// The separator a text (UTF-8, after any "sep=" line) would be read with.
char detectSeparator(std::string_view text);

// "Navodnikot otvoren vo redot N ne e zatvoren": why an unterminated quote
// fails its row and every row after it.
std::string openQuoteReason(int row);

} // namespace dorvik::import
