#include "import/mapping_memory.h"

#include "import/header_names.h"

namespace dorvik::import {

namespace {

constexpr std::string_view kColumn = "kolona:";
constexpr std::string_view kValue = "vrednost:";

std::optional<int> columnOf(const SheetRow& header, std::string_view text)
{
    const std::string key = headerKey(text);
    for (std::size_t c = 0; c < header.cells.size(); ++c)
        if (!key.empty() && headerKey(header.cells[c].text) == key)
            return static_cast<int>(c);
    return std::nullopt;
}

std::string headerText(const SheetRow& header, int column)
{
    return column >= 0 && static_cast<std::size_t>(column) < header.cells.size()
               ? std::string(header.cells[static_cast<std::size_t>(column)].text)
               : std::string();
}

} // namespace

RememberedMapping remember(const Mapping& mapping, const SheetRow* header)
{
    RememberedMapping remembered;
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldSource& s = mapping.fields[i];
        if (s.kind == SourceKind::Fixed && fieldAt(i) != Field::Godina) {
            remembered[i] = std::string(kValue) + s.value;
        } else if (s.kind == SourceKind::Column && header) {
            std::string text = headerText(*header, s.column);
            if (s.secondColumn >= 0)
                text += "+" + headerText(*header, s.secondColumn);
            if (!headerKey(text).empty())
                remembered[i] = std::string(kColumn) + text;
        }
    }
    return remembered;
}

void recall(Mapping& mapping, const SheetRow* header, const RememberedMapping& remembered)
{
    for (int i = 0; i < kFieldCount; ++i) {
        if (!remembered[i])
            continue;
        const std::string_view text = *remembered[i];
        FieldSource& s = mapping.fields[i];
        if (text.substr(0, kValue.size()) == kValue && fieldAt(i) != Field::Godina) {
            s = {SourceKind::Fixed, -1, -1, std::string(text.substr(kValue.size()))};
        } else if (text.substr(0, kColumn.size()) == kColumn && header) {
            const std::string_view name = text.substr(kColumn.size());
            const std::size_t plus = fieldAt(i) == Field::ImePrezime ? name.find('+') : std::string_view::npos;
            const auto first = columnOf(*header, name.substr(0, plus));
            const auto second = plus == std::string_view::npos ? std::optional<int>(-1)
                                                               : columnOf(*header, name.substr(plus + 1));
            if (first && second)
                s = {SourceKind::Column, *first, *second, {}};
        }
    }
}

} // namespace dorvik::import
