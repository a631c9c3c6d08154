#include "check/entry_rules.h"

#include "records.h"

#include <gtest/gtest.h>

using namespace dorvik;
using namespace dorvik::testing;

TEST(EntryRules, YearsAndPeriods)
{
    const std::tuple<const char*, const char*, bool> years[] = {
        {"03", "03", true}, {"04", "03", false}, {"00", "03", true}, {"69", "68", false},
        {"69", "69", true}, {"70", "03", true},  {"99", "03", true}, {"9", "03", false},
        {"9A", "03", false}};
    for (const auto& [year, current, passes] : years)
        EXPECT_EQ(yearPasses(year, current), passes) << year << " in " << current;
    const std::pair<const char*, bool> periods[] = {
        {"0101", true},  {"3112", true},  {"0001", false}, {"0100", false}, {"3201", false},
        {"0113", false}, {"010", false}, {"01012", false}};
    for (const auto& [period, passes] : periods)
        EXPECT_EQ(periodPasses(period), passes) << period;
}

TEST(EntryRules, TheFirstFieldThatKeepsAReportFromBeingSaved)
{
    const std::string line = recordLine();
    const auto texts = [&](std::vector<std::pair<Field, std::optional<std::string>>> changes) {
        ReportTexts t;
        for (int i = 0; i < kFieldCount; ++i)
            t[i] = fieldOf(line, fieldAt(i));
        for (const auto& [field, text] : changes)
            t[static_cast<int>(field)] = text;
        return t;
    };
    EXPECT_EQ(firstIncompleteField(texts({})), std::nullopt);
    EXPECT_EQ(firstIncompleteField(texts({{Field::ImePrezime, ""}, {Field::Firma, "F"}})), std::nullopt);
    EXPECT_EQ(firstIncompleteField(texts({{Field::Denari, "12345678"}, {Field::Godina, "9"}})), Field::Godina);
    EXPECT_EQ(firstIncompleteField(texts({{Field::Denari, "00015000A"}})), Field::Denari);
    EXPECT_EQ(firstIncompleteField(texts({{Field::StepenZgolem, "AB 1"}})), Field::StepenZgolem);
    EXPECT_EQ(firstIncompleteField(texts({{Field::StepenZgolem, "AB 12"}})), std::nullopt);
    EXPECT_EQ(firstIncompleteField(texts({{Field::Firma, std::string(36, 'F')}})), Field::Firma);
    EXPECT_EQ(firstIncompleteField(texts({{Field::SifraStaz, std::nullopt}})), Field::SifraStaz);
}
