// A sheet as the import reads it: rows of cell texts, in UTF-8, numbered as
// the spreadsheet program shows them.
#pragma once

#include "import/text_encoding.h"

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::import {

// A cell's text is a view of the sheet's text (see SheetText), which lives
// as long as any copy of the sheet does.
struct SheetCell {
    std::string_view text;
    // A workbook's number cell: text is the number in plain decimal with a
    // point ("615", "2088.5", "37622"), never grouped or in a locale's form.
    bool number = false;
};

struct SheetRow {
    int number = 0; // 1-based, as the spreadsheet program numbers it
    std::vector<SheetCell> cells;
    // Why the row could not be read (an unterminated quote); cells then
    // hold its text cut at the separator, for showing.
    std::string unreadable;
};

enum class SheetKind { Text, Xlsx, Ods };

// How much of a sheet is read at the most. A report file holds 32767
// records; a sheet is refused well before it could exhaust the memory.
inline constexpr int kMaxSheetRows = 65536;    // rows with something in them
inline constexpr int kMaxSheetColumns = 1024;  // cells further right are not read
inline constexpr std::size_t kMaxSheetCells = 4u << 20;

// The text the cells of a sheet are views of: a text sheet's decoded bytes,
// where most cells are, and the cells that are no part of them (quoted cells
// with doubled quotes, a workbook's strings and numbers). Nothing in it
// moves once it holds it.
struct SheetText {
    std::string source;
    std::deque<std::string> kept;

    // Keeps the text and gives a view of it.
    std::string_view keep(std::string text) { return kept.emplace_back(std::move(text)); }
};

struct Sheet {
    std::shared_ptr<SheetText> text = std::make_shared<SheetText>();
    SheetKind kind = SheetKind::Text;
    std::vector<SheetRow> rows; // the rows with something in them, in order
    int emptyRows = 0;          // rows skipped for having nothing in them
    // What a text sheet was read with.
    char separator = ';';
    TextEncoding encoding = TextEncoding::Utf8;
};

// Whether a cell holds nothing but blanks (spaces, TABs, no-break spaces).
bool isBlank(std::string_view text);

// Why a sheet past the limits above is refused.
std::string tooLargeMessage();

} // namespace dorvik::import
