// The sheet readers and the import on arbitrary bytes: no crash, and every
// row the import takes composes to a record of 147 bytes with no line end in
// it, which the store keeps as it is.
#include "import/import_plan.h"
#include "import/sheet_file.h"
#include "properties.h"
#include "zip_maker.h"

namespace dorvik::fuzz {

namespace {

constexpr std::string_view kWorkbook =
    "<workbook xmlns:r='http://schemas.openxmlformats.org/officeDocument/2006/relationships'>"
    "<sheets><sheet name='a' sheetId='1' r:id='rId1'/></sheets></workbook>";
constexpr std::string_view kRelationships =
    "<Relationships><Relationship Id='rId1' Type='x/worksheet' Target='worksheets/sheet1.xml'/>"
    "<Relationship Id='rId2' Type='x/sharedStrings' Target='sharedStrings.xml'/></Relationships>";

// The sheet file the input stands for (see properties.h), and its name.
std::pair<std::string, std::string> sheetFile(unsigned mode, std::string_view rest)
{
    switch (mode & 3u) {
    case 1:
        return {testing::zipOf({{"content.xml", std::string(rest)}}), "plata.ods"};
    case 2: {
        const std::size_t cut = std::min(rest.find('\xFF'), rest.size());
        const std::string_view shared = cut < rest.size() ? rest.substr(cut + 1) : std::string_view{};
        return {testing::zipOf({{"xl/workbook.xml", std::string(kWorkbook)},
                                {"xl/_rels/workbook.xml.rels", std::string(kRelationships)},
                                {"xl/worksheets/sheet1.xml", std::string(rest.substr(0, cut))},
                                {"xl/sharedStrings.xml", std::string(shared)}}),
                "plata.xlsx"};
    }
    case 3:
        return {std::string(rest), "plata.xls"};
    default:
        return {std::string(rest), "plata.csv"};
    }
}

} // namespace

void sheetImportProperty(std::string_view input)
{
    if (input.empty())
        return;
    const auto mode = static_cast<unsigned char>(input[0]);
    const auto [bytes, name] = sheetFile(mode, input.substr(1));
    import::TextSheetOptions options;
    constexpr char kSeparators[] = {0, ';', ',', '\t'};
    if (const char separator = kSeparators[(mode >> 2) & 3u])
        options.separator = separator;
    options.encoding = static_cast<import::TextEncoding>(((mode >> 4) & 7u) % 5);

    const import::SheetResult read = import::readSheet(bytes, name, options);
    if (!read.error.empty()) {
        FUZZ_REQUIRE(read.sheet.rows.empty());
        return;
    }
    int last = 0;
    for (const import::SheetRow& row : read.sheet.rows) {
        FUZZ_REQUIRE(row.number > last);
        last = row.number;
        FUZZ_REQUIRE(!row.cells.empty() && row.cells.size() <= static_cast<std::size_t>(import::kMaxSheetColumns));
    }

    // The header's columns, or else the fields in file order from column A on.
    import::Mapping mapping;
    if (const import::SheetRow* header = import::headerRow(read.sheet)) {
        mapping = import::mappingFromHeader(*header);
    } else {
        for (int i = 0; i < kFieldCount; ++i)
            mapping.fields[i] = {import::SourceKind::Column, i, -1, {}};
    }
    import::PlanOptions plan;
    plan.currentYear = "03";
    plan.normalise.amounts = (mode & 0x80u) ? import::AmountUnit::FieldDigits : import::AmountUnit::Denari;
    const import::ImportPlan result = import::planImport(read.sheet, mapping, plan, {});
    FUZZ_REQUIRE(result.good + result.failed == static_cast<int>(result.rows.size()));
    for (const import::RowResult& row : result.rows) {
        FUZZ_REQUIRE(row.line().size() == static_cast<std::size_t>(kRecordLength));
        if (row.status != import::RowStatus::Good) {
            FUZZ_REQUIRE(!row.problems.empty());
            continue;
        }
        FUZZ_REQUIRE(row.problems.empty());
        FUZZ_REQUIRE(row.line().find_first_of("\r\n") == std::string::npos);
        FUZZ_REQUIRE(ReportRecord::fromLine(row.line()).line() == row.line());
    }
}

} // namespace dorvik::fuzz
