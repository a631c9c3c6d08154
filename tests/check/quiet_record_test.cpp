// The fast path for whole lines against the rules themselves: it may leave
// a record the rules pass to them, but never vouch for one they speak about.
#include "check/field_rules.h"
#include "check/quiet_record.h"

#include "fake_screen.h"
#include "scripted_boxes.h"

#include <gtest/gtest.h>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

bool rulesSayNothing(const std::string& line)
{
    FakeScreen screen(line); // lends no line: the rules read field by field
    ScriptedBoxes boxes;
    RecordCheckState state;
    const bool numericOk = FieldRules({screen, boxes, "03"}).apply(state);
    return numericOk && state.faultCode == 0 && !state.failed && state.errorLine.empty()
           && boxes.shown().empty() && screen.paints.empty();
}

} // namespace

TEST(QuietRecord, NeverVouchesForARecordTheRulesSpeakAbout)
{
    using Values = std::vector<const char*>;
    const std::pair<Field, Values> edges[] = {
        {Field::LicenBroj, {"0000000000", "          ", "1111111191", "1111111182", " 111111118", "11111 1181"}},
        {Field::MaticenBroj, {"0000000000000", "             ", "1111111111112", "111111111111 "}},
        {Field::RegistarskiBroj, {"0000000000", "1234567890", "123456789 ", "12345678-7"}},
        {Field::Godina, {"04", "69", "70", "9A", " 9", "  "}},
        {Field::Denari, {"000000000", "         ", "   150000", "00015000A"}},
        {Field::EfektStaz, {"1200", "1201", "    ", "12 0"}},
        {Field::SifraStaz, {"0065", "0066", "    ", "65  "}},
    };
    int vouched = 0;
    const auto judge = [&](const std::string& line) {
        if (!isQuietRecord(line, "03"))
            return;
        ++vouched;
        EXPECT_TRUE(rulesSayNothing(line)) << "[" << line << "]";
    };
    for (const auto& [field, values] : edges)
        for (const char* value : values)
            judge(lineWith(0, {{field, value}}));
    // Periods against the months and days of service, where the tolerances sit.
    const Values periods = {"0101", "1501", "3101", "0001", "0100", "3201", "0113", "0000",
                            "    ", "01 1", "3112", "1403", "3012", "1500", "3000"};
    for (const char* od : periods)
        for (const char* to : periods)
            for (const char* mesec : {"1200", "1130", "0202", "0203", "0130", "    ", "12 0", "0000"})
                judge(lineWith(0, {{Field::PeriodOd, od}, {Field::PeriodDo, to}, {Field::Mesec, mesec},
                                   {Field::SifraStaz, mesec[3] == '3' ? "0066" : "0000"}}));
    EXPECT_GT(vouched, 15); // the checks above are not empty

    // And it does take plain records as the rules pass them.
    EXPECT_TRUE(isQuietRecord(lineWith(0, {{Field::Mesec, "1130"}, {Field::SifraStaz, "0065"}}), "03"));
    EXPECT_FALSE(isQuietRecord(recordLine().substr(1), "03"));
    EXPECT_FALSE(isQuietRecord(recordLine(), "3"));
    // Around the hours' norms the two agree exactly.
    for (const char* year : {"80", "81", "90", "94", "95", "97", "99", "00", "01", "02", "03", "04"})
        for (const char* hours : {"0000", "2007", "2008", "2088", "2089", "2104", "2263", "2366", "2367"})
            for (const char* sick : {"0000", "0100", "2199", "    "}) {
                const std::string line = lineWith(0, {{Field::Godina, year}, {Field::VkRabCasovi, hours},
                                                      {Field::Boleduvanje, sick}});
                EXPECT_EQ(isQuietRecord(line, "03"), rulesSayNothing(line)) << line;
            }
}
