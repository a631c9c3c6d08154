#include "check/record_findings.h"

#include "data/report_record.h"
#include "records.h"

#include <gtest/gtest.h>

using namespace dorvik;
using namespace dorvik::testing;

TEST(RecordFindings, TheBoxesOfTheRecordsFindingsAndNoOthers)
{
    using Colours = std::vector<std::pair<Field, BoxColour>>;
    const std::pair<std::string, Colours> cases[] = {
        {recordLine(), {}},
        {lineWith(0, {{Field::Godina, "04"}, {Field::RegistarskiBroj, "1234567890"},
                      {Field::Boleduvanje, "2199"}}),
         {{Field::Godina, BoxColour::Red}, {Field::RegistarskiBroj, BoxColour::Red},
          {Field::Boleduvanje, BoxColour::Red}}},
        // Doubtful hours are yellow; zero hours then make the hours red.
        {lineWith(0, {{Field::Godina, "90"}, {Field::VkRabCasovi, "2050"}}),
         {{Field::VkRabCasovi, BoxColour::Yellow}, {Field::Boleduvanje, BoxColour::Yellow}}},
        {lineWith(0, {{Field::Godina, "90"}, {Field::VkRabCasovi, "0000"}, {Field::Boleduvanje, "2050"}}),
         {{Field::VkRabCasovi, BoxColour::Red}, {Field::Denari, BoxColour::Red},
          {Field::Boleduvanje, BoxColour::Yellow}}},
        // Bad numeric data: what the rules found before it.
        {lineWith(0, {{Field::MaticenBroj, "1111111111112"}, {Field::Godina, "9A"}}),
         {{Field::MaticenBroj, BoxColour::Red}}},
    };
    for (const auto& [line, coloured] : cases) {
        std::array<BoxColour, kFieldCount> expected;
        expected.fill(BoxColour::Silver);
        for (const auto& [field, colour] : coloured)
            expected[static_cast<int>(field)] = colour;
        EXPECT_EQ(findingColours(ReportRecord::fromLine(line), "03"), expected) << line;
    }
}
