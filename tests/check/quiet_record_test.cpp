// The quiet-record test of the field rules against the rules themselves: it
// may decline a record the rules pass, but it must never vouch for a record
// the rules say anything about.
#include "check/check_digits.h"
#include "check/field_rules.h"
#include "check/quiet_record.h"

#include "fake_screen.h"
#include "scripted_boxes.h"
#include "report_lines.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace dorvik {
using dorvik::testing::withField;

namespace {

using testing::FakeScreen;
using testing::ScriptedBoxes;

// Whether the rules themselves, through a screen that lends no line, find
// nothing at all in the record.
bool rulesSayNothing(const std::string& line, std::string_view currentYear)
{
    FakeScreen screen(line);
    ScriptedBoxes boxes;
    RecordCheckState state;
    const bool numericOk = FieldRules({screen, boxes, currentYear}).apply(state);
    return numericOk && state.faultCode == 0 && !state.failed && state.errorLine.empty()
           && state.valueUnderTest.empty() && boxes.shown().empty() && screen.paints.empty();
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

    // A text of the width from a few characters that matter to the rules.
    std::string noise(int width)
    {
        static constexpr std::string_view kChars = "0123456789 0-A1";
        std::string text;
        for (int i = 0; i < width; ++i)
            text += kChars[below(static_cast<int>(kChars.size()))];
        return text;
    }

    // Numbers whose check digits hold, and numbers whose do not.
    std::string personalNumber()
    {
        for (;;) {
            std::string lb = digits(10);
            const auto mod10 = expectedMod10("0" + lb.substr(0, 9));
            lb[8] = static_cast<char>('0' + *mod10);
            const auto mod11 = expectedMod11("000" + lb, "LB");
            if (*mod11 <= 9) {
                lb[9] = static_cast<char>('0' + *mod11);
                return lb;
            }
        }
    }
    std::string masterNumber()
    {
        for (;;) {
            std::string mb = digits(13);
            const auto mod11 = expectedMod11(mb, "MB");
            if (*mod11 <= 9) {
                mb[12] = static_cast<char>('0' + *mod11);
                return mb;
            }
        }
    }
    std::string registrationNumber()
    {
        std::string rb = digits(10);
        rb[9] = static_cast<char>('0' + *expectedMod10(rb));
        return rb;
    }

    std::string pick(const std::vector<std::string>& values)
    {
        return values[static_cast<std::size_t>(below(static_cast<int>(values.size())))];
    }

    // A value for the field: edges the rules turn on, a valid number, or noise.
    std::string value(Field field)
    {
        const int width = fieldWidth(field);
        switch (below(3)) {
        case 0:
            return noise(width);
        case 1:
            return digits(width);
        default:
            break;
        }
        switch (field) {
        case Field::Godina:
            return pick({"99", "97", "00", "01", "02", "03", "04", "69", "70", "80", "81", "94",
                         "95", "96", "9A", " 9", "  "});
        case Field::LicenBroj:
            return pick({personalNumber(), "0000000000", "          ", "1111111191", "1111111182",
                         " 111111118", "111111118 ", "1111111-81"});
        case Field::MaticenBroj:
            return pick({masterNumber(), "0000000000000", "             ", "1111111111112",
                         "111111111111 ", "111111111111A"});
        case Field::RegistarskiBroj:
            return pick({registrationNumber(), "0000000000", "          ", "1234567890",
                         "123456789 ", "12345678-7"});
        case Field::PeriodOd:
        case Field::PeriodDo:
            return pick({"0101", "1501", "3101", "0001", "0100", "3201", "0113", "0000", "    ",
                         "01 1", "01-1", "0a01", "1503", "2802", "3112", "1403", "3012", "0012",
                         "1500", "3113", "3212", "0112", "3000", "2900"});
        case Field::Mesec:
            return pick({"1200", "0200", "0130", "0215", "0000", "    ", "1100", "1130", "0115",
                         "1230", "12 0", "0300", "0005", "0100", "0102", "0029", "1300"});
        case Field::VkRabCasovi:
            return pick({"2088", "2184", "2089", "2185", "0000", "    ", "0174", "0200", "1900",
                         "0348", "0400", "21 4", "0094", "1834"});
        case Field::Denari:
            return pick({"000150000", "000000000", "         ", "   150000", "00015000A",
                         "12345678 ", "-00150000"});
        case Field::Boleduvanje:
            return pick({"0000", "2198", "2199", "    ", "0100", "2200", "0 10", "0001"});
        case Field::EfektStaz:
            return pick({"0000", "1200", "1300", "    ", "0130", "12 0", "1201"});
        case Field::SifraStaz:
            return pick({"0000", "0065", "0066", "    ", "0067", "00 5", "65  "});
        default:
            return noise(width);
        }
    }

    // A record that passes, with valid numbers of its own, then changed in
    // up to three fields.
    std::string record()
    {
        std::string line = testing::recordLine(below(1000));
        line = withField(line, Field::LicenBroj, below(5) == 0 ? "0000000000" : personalNumber());
        line = withField(line, Field::MaticenBroj, masterNumber());
        line = withField(line, Field::RegistarskiBroj, registrationNumber());
        const int changes = below(4);
        for (int i = 0; i < changes; ++i) {
            const Field field = fieldAt(below(kFieldCount));
            line = withField(line, field, value(field));
        }
        return line;
    }
};

TEST(QuietRecord, NeverVouchesForARecordTheRulesSpeakAbout)
{
    Generator generate;
    int quiet = 0;
    int rulesQuiet = 0;
    constexpr int kRecords = 40000;
    for (int i = 0; i < kRecords; ++i) {
        const std::string line = generate.record();
        const std::string_view year = i % 2 ? "03" : "99";
        const bool vouched = isQuietRecord(line, year);
        const bool nothing = rulesSayNothing(line, year);
        if (vouched) {
            ++quiet;
            ASSERT_TRUE(nothing) << "[" << line << "] in " << year;
        }
        rulesQuiet += nothing;
    }
    // Most of the records the rules pass are recognised, or the test
    // proves little and the check run gains nothing.
    EXPECT_GT(quiet, rulesQuiet * 9 / 10);
    EXPECT_GT(rulesQuiet, kRecords / 10);
}

// Periods against months and days, where the tolerances sit, one day and
// one month at a time, with the hours in their band.
TEST(QuietRecord, AgreesWithThePeriodRuleAtEveryDayAndMonth)
{
    const std::vector<std::string> periods = {"0101", "1501", "3101", "2902", "1403",
                                              "3012", "3112", "0112", "0100", "3000"};
    const std::string good = testing::recordLine();
    int quiet = 0;
    for (const std::string& od : periods) {
        for (const std::string& to : periods) {
            for (int months = 0; months <= 13; ++months) {
                for (int days = 0; days <= 31; ++days) {
                    const std::string mesec = {
                        static_cast<char>('0' + months / 10), static_cast<char>('0' + months % 10),
                        static_cast<char>('0' + days / 10), static_cast<char>('0' + days % 10)};
                    std::string line = withField(good, Field::PeriodOd, od);
                    line = withField(line, Field::PeriodDo, to);
                    line = withField(line, Field::Mesec, mesec);
                    line = withField(line, Field::VkRabCasovi, "0174");
                    line = withField(line, Field::SifraStaz, days % 7 == 0 ? "0066" : "0000");
                    if (isQuietRecord(line, "03")) {
                        ++quiet;
                        ASSERT_TRUE(rulesSayNothing(line, "03")) << "[" << line << "]";
                    }
                }
            }
        }
    }
    EXPECT_GT(quiet, 100);
}

TEST(QuietRecord, PlainRecordsAreRecognisedAndOthersAreLeftToTheRules)
{
    const std::string good = testing::recordLine();
    EXPECT_TRUE(isQuietRecord(good, "03"));
    // Months that differ from the period, excused by the service code.
    EXPECT_TRUE(isQuietRecord(withField(withField(good, Field::Mesec, "1130"), Field::SifraStaz,
                                        "0065"), "03"));
    // Blanks that stand for zeros.
    EXPECT_TRUE(isQuietRecord(withField(good, Field::EfektStaz, "    "), "03"));
    // Year 2004 in 2003, with its lines and boxes from the rules.
    EXPECT_FALSE(isQuietRecord(withField(good, Field::Godina, "04"), "03"));
    // Numbers with blanks pass the numeric test, but only the rules say so.
    const std::string padded = withField(good, Field::Denari, "   150000");
    EXPECT_FALSE(isQuietRecord(padded, "03"));
    EXPECT_TRUE(rulesSayNothing(padded, "03"));
    // Only a whole line is judged.
    EXPECT_FALSE(isQuietRecord(good.substr(1), "03"));
}

} // namespace
} // namespace dorvik
