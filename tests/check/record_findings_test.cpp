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
        // Each finding's boxes.
        {lineWith(0, {{Field::PeriodOd, "0113"}, {Field::SifraStaz, "0065"}}), {{Field::PeriodOd, BoxColour::Red}}},
        {lineWith(0, {{Field::PeriodDo, "3213"}, {Field::SifraStaz, "0065"}}), {{Field::PeriodDo, BoxColour::Red}}},
        {lineWith(0, {{Field::PeriodDo, "3113"}, {Field::SifraStaz, "0065"}}), {{Field::PeriodDo, BoxColour::Red}}},
        {lineWith(0, {{Field::Mesec, "1130"}, {Field::Godina, "96"}}), {{Field::Mesec, BoxColour::Red}}},
        {lineWith(0, {{Field::EfektStaz, "1201"}}), {{Field::EfektStaz, BoxColour::Red}}},
        {lineWith(0, {{Field::VkRabCasovi, "2600"}, {Field::Godina, "90"}}),
         {{Field::VkRabCasovi, BoxColour::Red}, {Field::Boleduvanje, BoxColour::Red}}},
        // Bad numeric data: what the rules found before it, and every box of
        // digits holding something else (blanks around digits are no fault).
        {lineWith(0, {{Field::MaticenBroj, "1111111111112"}, {Field::Godina, "9A"}}),
         {{Field::MaticenBroj, BoxColour::Red}, {Field::Godina, BoxColour::Red}}},
        {lineWith(0, {{Field::Mesec, "12x0"}, {Field::Denari, "12-"}, {Field::Boleduvanje, "  0"},
                      {Field::StepenZgolem, "abc"}}),
         {{Field::Mesec, BoxColour::Red}, {Field::Denari, BoxColour::Red}}},
    };
    for (const auto& [line, coloured] : cases) {
        std::array<BoxColour, kFieldCount> expected;
        expected.fill(BoxColour::Silver);
        for (const auto& [field, colour] : coloured)
            expected[static_cast<int>(field)] = colour;
        EXPECT_EQ(findingColours(ReportRecord::fromLine(line), "03"), expected) << line;
    }
}
