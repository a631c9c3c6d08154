// What an import remembers of its mapping, and how it is put back over the
// mapping of the next sheet.
#include "import/mapping_memory.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace dorvik;
using namespace dorvik::import;

namespace {

SheetRow headerOf(std::initializer_list<std::string_view> texts)
{
    SheetRow row;
    row.number = 1;
    for (std::string_view text : texts)
        row.cells.push_back({text, false});
    return row;
}

} // namespace

// Next year's sheet has its columns reordered and its headers written
// otherwise: each field finds its column again by the header's text and a
// value comes back as it was; a column without a header text, or one the
// new sheet lacks, leaves the field as the new mapping has it.
TEST(MappingMemory, ColumnsComeBackByTheirHeadersAndValuesAsTheyWere)
{
    const SheetRow before =
        headerOf({"Za godina", "Prezime", "Ime", "Stepen na zgolemuvanje", "Iznos", "Casovi"});
    Mapping mapping;
    mapping[Field::Godina] = {SourceKind::Column, 0, -1, {}};
    mapping[Field::ImePrezime] = {SourceKind::Column, 1, 2, {}};
    mapping[Field::StepenZgolem] = {SourceKind::Column, 3, -1, {}};
    mapping[Field::Denari] = {SourceKind::Column, 4, -1, {}};
    mapping[Field::EfektStaz] = {SourceKind::Column, 9, -1, {}}; // no header text
    mapping[Field::Firma] = {SourceKind::Fixed, -1, -1, "Firma DOO"};
    RememberedMapping remembered = remember(mapping, &before);
    EXPECT_FALSE(remembered[static_cast<int>(Field::EfektStaz)]);
    // Texts of no kind (settings edited by hand) are passed over.
    remembered[static_cast<int>(Field::SifraStaz)] = "x";
    remembered[static_cast<int>(Field::LicenBroj)] = "";

    const SheetRow after = headerOf({"CASOVI", "ime", "STEPEN NA ZGOLEMUVANJE", "PREZIME", "ZA GODINA"});
    Mapping next = mappingFromHeader(after);
    next[Field::SifraStaz] = {SourceKind::Fixed, -1, -1, "1"};
    Mapping expected = next;
    recall(next, &after, remembered);
    expected[Field::Godina] = {SourceKind::Column, 4, -1, {}};
    expected[Field::ImePrezime] = {SourceKind::Column, 3, 1, {}};
    expected[Field::StepenZgolem] = {SourceKind::Column, 2, -1, {}};
    expected[Field::Firma] = {SourceKind::Fixed, -1, -1, "Firma DOO"};
    EXPECT_EQ(next, expected);
}
