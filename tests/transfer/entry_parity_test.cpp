// The import checks a row as the entry screen checks a typed report: the
// same texts pass and fail on both.
#include "../entry/entry_fixture.h"

#include "import/import_plan.h"
#include "import/text_sheet.h"

using namespace dorvik;
using namespace dorvik::testing;

namespace {

// Whether the import takes the row with this text in the field (and the
// test record's values elsewhere), in the year of the entry tests' clock.
bool importTakes(Field field, const std::string& text)
{
    std::string header, cells;
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = fieldAt(i);
        header += std::string(i ? ";" : "") + std::string(fieldName(f));
        cells += (i ? ";" : "") + (f == field ? text : f == Field::Godina ? std::string("26") : fieldOf(recordLine(1), f));
    }
    const import::Sheet sheet = import::readTextSheet(header + "\r\n" + cells + "\r\n").sheet;
    const import::Mapping mapping = import::mappingFromHeader(sheet.rows.at(0));
    const import::ImportPlan plan = import::planImport(sheet, mapping, {{}, "26"}, {});
    return plan.good == 1;
}

} // namespace

TEST_F(EntryTest, TheImportPassesAndFailsWhatTheEntryScreenDoes)
{
    const std::vector<std::pair<Field, std::vector<std::string>>> cases = {
        {Field::Godina, {"00", "26", "27", "69", "70", "99"}},
        {Field::LicenBroj, {"0000000000", "1111111181", "1111111171", "1111111182", "0000000189", "9999999999"}},
        {Field::MaticenBroj, {"1111111111111", "0000000000060", "0000000000000", "0101980450008", "0101980450007"}},
        {Field::RegistarskiBroj, {"1234567897", "1234567890", "0000000000", "0000001008"}},
        {Field::PeriodOd, {"0101", "3102", "3201", "0013", "0012", "0100", "1212"}},
        {Field::PeriodDo, {"3112", "0000", "3113", "1001"}},
    };
    open();
    for (const auto& [field, texts] : cases) {
        for (const std::string& text : texts) {
            SCOPED_TRACE(std::string(fieldName(field)) + " " + text);
            box(field)->clear();
            box(field)->setText(QString::fromStdString(text));
            settle();
            const bool entryTakes = box(field)->text() == QString::fromStdString(text);
            // The period's end before its start is no check of either screen.
            if (field == Field::PeriodDo && text == "1001")
                EXPECT_TRUE(entryTakes);
            else
                EXPECT_EQ(importTakes(field, text), entryTakes);
        }
    }
}
