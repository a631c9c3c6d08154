// What the .xlsx and .ods readers share: the rows of the first sheet put
// together cell by cell within the sheet limits, and numbers in one plain
// form.
#pragma once

#include "import/sheet.h"

#include <string>
#include <string_view>

namespace dorvik::import {

class SheetBuilder {
public:
    explicit SheetBuilder(Sheet& sheet) : sheet_(sheet) {}

    // Keeps a cell's text with the sheet: a view of it for cell().
    std::string_view keep(std::string text) { return sheet_.text->keep(std::move(text)); }
    // A cell of the row being read, at its 0-based column; its text kept
    // with the sheet. Blank cells and cells right of the last column read
    // are left out.
    void cell(int column, SheetCell cell);
    // Ends the row being read as the row numbered number (1-based), and as
    // many rows after it as repeat says (the same cells). False, with error
    // set, once the sheet is past its limits.
    bool endRow(int number, int repeat = 1);
    // Ends the reading. A failure to read the part (failure) or to fit the
    // limits is the sheet's error, and it then has no rows; otherwise the
    // rows with nothing in them between the first and the last that has
    // something are the sheet's empty rows.
    void finish(std::string failure, std::string& sheetError);

    std::string error;

private:
    Sheet& sheet_;
    std::vector<SheetCell> row_;
    std::size_t cells_ = 0;
};

// A number as a workbook stores it ("12345.670000000001", "2088") in the
// fifteen significant digits spreadsheet programs show ("12345.67"); a text
// that is no number stays as it is.
std::string plainNumber(std::string_view stored);

// The 0-based column of a cell reference ("AB12" -> 27), or -1.
int columnOfReference(std::string_view reference);

} // namespace dorvik::import
