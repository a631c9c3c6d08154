#include "import/mapping.h"

#include "import/header_names.h"

namespace dorvik::import {

bool looksLikeHeader(const SheetRow& row)
{
    for (const SheetCell& cell : row.cells)
        if (!cell.number
            && (fieldOfHeader(cell.text) || isSurnameHeader(cell.text) || isGivenNameHeader(cell.text)))
            return true;
    return false;
}

const SheetRow* headerRow(const Sheet& sheet)
{
    if (sheet.rows.empty() || !sheet.rows.front().unreadable.empty())
        return nullptr;
    return looksLikeHeader(sheet.rows.front()) ? &sheet.rows.front() : nullptr;
}

Mapping mappingFromHeader(const SheetRow& header)
{
    Mapping mapping;
    mapping.header = true;
    int surname = -1;
    int givenName = -1;
    for (std::size_t c = 0; c < header.cells.size(); ++c) {
        const std::string_view text = header.cells[c].text;
        const int column = static_cast<int>(c);
        if (const auto field = fieldOfHeader(text)) {
            FieldSource& source = mapping[*field];
            if (source.kind == SourceKind::None) {
                source.kind = SourceKind::Column;
                source.column = column;
            }
        } else if (surname < 0 && isSurnameHeader(text)) {
            surname = column;
        } else if (givenName < 0 && isGivenNameHeader(text)) {
            givenName = column;
        }
    }
    FieldSource& name = mapping[Field::ImePrezime];
    if (name.kind == SourceKind::None && (surname >= 0 || givenName >= 0)) {
        name.kind = SourceKind::Column;
        name.column = surname >= 0 ? surname : givenName;
        name.secondColumn = surname >= 0 ? givenName : -1;
    }
    return mapping;
}

std::string columnName(int column)
{
    std::string name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

std::optional<int> columnFromName(std::string_view name)
{
    if (name.empty() || name.size() > 3)
        return std::nullopt;
    int column = 0;
    for (char c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z')
            return std::nullopt;
        column = column * 26 + (c - 'A' + 1);
    }
    return column - 1;
}

std::optional<Field> fieldFromName(std::string_view name)
{
    auto lower = [](std::string_view text) {
        std::string out(text);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return out;
    };
    const std::string wanted = lower(name);
    for (int i = 0; i < kFieldCount; ++i)
        if (lower(FieldNames[i]) == wanted)
            return fieldAt(i);
    return std::nullopt;
}

} // namespace dorvik::import
