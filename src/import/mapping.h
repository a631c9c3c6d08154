// Where each of the fifteen fields of a record comes from: a column of the
// sheet, one value for every row, or nothing (the months and days of service
// are then worked out from the period).
#pragma once

#include "data/report_record.h"
#include "import/sheet.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace dorvik::import {

enum class SourceKind { None, Column, Fixed };

struct FieldSource {
    SourceKind kind = SourceKind::None;
    int column = -1;       // Column: 0-based
    int secondColumn = -1; // ImePrezime only: the given name, after the surname in column
    std::string value;     // Fixed: the text every row takes (UTF-8)

    friend bool operator==(const FieldSource&, const FieldSource&) = default;
};

struct Mapping {
    std::array<FieldSource, kFieldCount> fields;
    bool header = false; // the sheet's first row names the columns; it is no report

    FieldSource& operator[](Field f) { return fields[static_cast<int>(f)]; }
    const FieldSource& operator[](Field f) const { return fields[static_cast<int>(f)]; }
    friend bool operator==(const Mapping&, const Mapping&) = default;
};

// A first row is a header when one of its cells names a field (or half
// of the name).
bool looksLikeHeader(const SheetRow& row);

// The columns the header names: a field's first column by name or alias;
// for ImePrezime, when no column names it whole, the columns "Prezime" and
// "Ime" joined. Marks the mapping as having a header.
Mapping mappingFromHeader(const SheetRow& header);

// The first row of the sheet when it is a header.
const SheetRow* headerRow(const Sheet& sheet);

// Spreadsheet column names: 0 -> "A", 25 -> "Z", 26 -> "AA".
std::string columnName(int column);
// The column of a name of one to three letters (either case), or nothing.
std::optional<int> columnFromName(std::string_view name);

// The field with this name (any case), or nothing.
std::optional<Field> fieldFromName(std::string_view name);

} // namespace dorvik::import
