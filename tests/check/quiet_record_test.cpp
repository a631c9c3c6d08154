// The fast path for whole lines against the rules themselves: it may leave
// a record the rules pass to them, but never vouch for one they speak about.
#include "check/check_digits.h"
#include "check/field_rules.h"
#include "check/quiet_record.h"

#include "fake_screen.h"
#include "scripted_boxes.h"

#include <gtest/gtest.h>

#include <random>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

bool rulesSayNothing(const std::string& line, std::string_view currentYear)
{
    FakeScreen screen(line); // lends no line: the rules read field by field
    ScriptedBoxes boxes;
    RecordCheckState state;
    const bool numericOk = FieldRules({screen, boxes, currentYear}).apply(state);
    return numericOk && state.faultCode == 0 && !state.failed && state.errorLine.empty()
           && boxes.shown().empty() && screen.paints.empty();
}

struct Generator {
    std::mt19937 random{147};

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    std::string digits(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += static_cast<char>('0' + below(10));
        return text;
    }
    std::string pick(const std::vector<std::string>& values)
    {
        return values[static_cast<std::size_t>(below(static_cast<int>(values.size())))];
    }
    // Sets the check digit at `at` when the number has one.
    std::string withCheckDigit(std::string number, std::size_t at, std::optional<int> digit)
    {
        if (digit && *digit <= 9)
            number[at] = static_cast<char>('0' + *digit);
        return number;
    }
    std::string value(Field field)
    {
        const int width = fieldWidth(field);
        if (below(3) == 0)
            return digits(width);
        if (below(4) == 0) {
            std::string noise;
            for (int i = 0; i < width; ++i)
                noise += " 0-A1"[below(5)];
            return noise;
        }
        switch (field) {
        case Field::Godina: return pick({"99", "97", "00", "01", "03", "04", "69", "70", "81", "94", "95", "9A", " 9"});
        case Field::PeriodOd:
        case Field::PeriodDo:
            return pick({"0101", "1501", "3101", "0001", "0100", "3201", "0113", "0000", "    ", "01 1",
                         "2802", "3112", "1403", "3012", "1500", "3113", "3000", "2900"});
        case Field::Mesec: return pick({"1200", "0200", "0130", "0000", "    ", "1130", "1230", "12 0", "0005", "0029", "1300"});
        case Field::VkRabCasovi: return pick({"2088", "2184", "2089", "0000", "    ", "0174", "1900", "0348", "21 4"});
        case Field::Denari: return pick({"000150000", "000000000", "         ", "   150000", "00015000A"});
        case Field::Boleduvanje: return pick({"0000", "2198", "2199", "    ", "0100", "0 10"});
        case Field::EfektStaz: return pick({"0000", "1200", "1300", "    ", "0130", "1201"});
        case Field::SifraStaz: return pick({"0000", "0065", "0066", "    ", "0067", "65  "});
        default: return digits(width);
        }
    }
    // A passing record with numbers of its own, then up to three fields changed.
    std::string record()
    {
        std::string lb = digits(10);
        lb = withCheckDigit(lb, 8, expectedMod10("0" + lb.substr(0, 9)));
        lb = withCheckDigit(lb, 9, expectedMod11("000" + lb, "LB"));
        const std::string mb = digits(13);
        const std::string rb = digits(10);
        const std::string m = withCheckDigit(mb, 12, expectedMod11(mb, "MB"));
        const std::string r = withCheckDigit(rb, 9, expectedMod10(rb));
        std::string line = lineWith(below(100), {{Field::LicenBroj, below(5) ? lb : "0000000000"},
                                                 {Field::MaticenBroj, m},
                                                 {Field::RegistarskiBroj, r}});
        for (int changes = below(4); changes > 0; --changes) {
            const Field field = fieldAt(below(kFieldCount));
            const std::string v = value(field);
            line.replace(static_cast<std::size_t>(fieldOffset(field)), v.size(), v);
        }
        return line;
    }
};

} // namespace

TEST(QuietRecord, NeverVouchesForARecordTheRulesSpeakAbout)
{
    Generator generate;
    int vouched = 0, rulesQuiet = 0;
    constexpr int kRecords = 20000;
    for (int i = 0; i < kRecords; ++i) {
        const std::string line = generate.record();
        const std::string_view year = i % 2 ? "03" : "99";
        const bool quiet = rulesSayNothing(line, year);
        if (isQuietRecord(line, year)) {
            ++vouched;
            ASSERT_TRUE(quiet) << "[" << line << "] in " << year;
        }
        rulesQuiet += quiet;
    }
    // Most records the rules pass are recognised, or the fast path gains nothing.
    EXPECT_GT(vouched, rulesQuiet * 9 / 10);
    EXPECT_GT(rulesQuiet, kRecords / 10);
}

TEST(QuietRecord, RecognisesPlainRecordsAndLeavesTheRestToTheRules)
{
    EXPECT_TRUE(isQuietRecord(recordLine(), "03"));
    EXPECT_TRUE(isQuietRecord(lineWith(0, {{Field::Mesec, "1130"}, {Field::SifraStaz, "0065"}}), "03"));
    EXPECT_TRUE(isQuietRecord(lineWith(0, {{Field::EfektStaz, "    "}}), "03"));
    // Numbers with blanks pass the numeric test, but only the rules say so.
    EXPECT_FALSE(isQuietRecord(lineWith(0, {{Field::Denari, "   150000"}}), "03"));
    EXPECT_FALSE(isQuietRecord(recordLine().substr(1), "03"));
    EXPECT_FALSE(isQuietRecord(recordLine(), "3"));
    // Plain records around the hours' norms: the two agree exactly.
    for (const char* year : {"80", "81", "90", "94", "95", "97", "99", "00", "01", "02", "03", "04"})
        for (const char* hours : {"0000", "2007", "2008", "2088", "2089", "2104", "2263", "2366", "2367"})
            for (const char* sick : {"0000", "0100", "2199"}) {
                const std::string line = lineWith(0, {{Field::Godina, year}, {Field::VkRabCasovi, hours},
                                                      {Field::Boleduvanje, sick}});
                EXPECT_EQ(isQuietRecord(line, "03"), rulesSayNothing(line, "03")) << line;
            }
}
