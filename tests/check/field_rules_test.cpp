#include "check/field_rules.h"

#include "fake_screen.h"
#include "scripted_boxes.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

using testing::FakeScreen;
using testing::ScriptedBoxes;

// A correct record (year 99, period 0101-3112, 12 months, 2088 hours) on a
// screen; each test breaks what it is about.
struct Rules : ::testing::Test {
    FakeScreen screen{testing::recordLine()};
    ScriptedBoxes boxes;
    RecordCheckState state;
    std::string currentYear = "03";

    bool check()
    {
        state = {};
        boxes.clear();
        screen.paints.clear();
        return FieldRules({screen, boxes, currentYear}).apply(state);
    }
    std::vector<std::string> messages() const { return boxes.messageTexts(); }
    std::string& text(Field f) { return screen.text(f); }
};

const std::string kYearMessage =
    "Gresna  godina. Prijavata moze da bide samo vo interval pomegu 1970 i tekovnata godina";

TEST_F(Rules, ACorrectRecordHasNoFinding)
{
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "");
    EXPECT_EQ(state.faultCode, 0);
    EXPECT_FALSE(state.failed);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(screen.paints.empty());
}

TEST_F(Rules, PersonalNumberLuhnAndModulus11)
{
    // Luhn fails, modulus 11 passes (its 9th digit has weight 0): the
    // modulus-10 column only, then a wrong year 10 in 2003.
    text(Field::LicenBroj) = "1111111191";
    text(Field::Godina) = "10";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "1111111191 Gr. mod 10 ,10       Gr. godina ,");
    EXPECT_EQ(state.faultCode, 1);
    EXPECT_TRUE(state.failed); // by the year, not by the check digit
    EXPECT_EQ(messages(), (std::vector<std::string>{"LICNIOT  BROJ E GRESEN  PO MODUL 10",
                                                    kYearMessage}));
    EXPECT_EQ(boxes.shown()[0].message.title, "Kontrola");
    EXPECT_EQ(boxes.shown()[1].message.title, "KONTROLA");

    // Both fail: modulus 11 is still called after the Luhn failure.
    text(Field::Godina) = "99";
    text(Field::LicenBroj) = "1111111192";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "1111111192 Gr. mod 10 ,1111111192 Gr. mod.11 ,");
    EXPECT_EQ(state.faultCode, 3);
    EXPECT_FALSE(state.failed);

    text(Field::LicenBroj) = "1111111182";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "1111111182 Gr. mod.11 ,");

    // A missing personal number is no fault.
    for (const char* missing : {"0000000000", "          ", "111111118"}) {
        text(Field::LicenBroj) = missing;
        ASSERT_TRUE(check());
        EXPECT_EQ(state.errorLine, "") << missing;
    }
}

TEST_F(Rules, MasterAndRegistrationNumbers)
{
    text(Field::MaticenBroj) = "             ";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "             Gresen Mat.Br ,");
    EXPECT_EQ(state.faultCode, 4);
    EXPECT_TRUE(state.failed);
    EXPECT_EQ(messages(), std::vector<std::string>{"MATICNEN BROJ MORA DA BIDE VNESEN (13 num)"});

    text(Field::MaticenBroj) = "1111111111112";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "1111111111112 Gr. mod.11 ,");
    EXPECT_EQ(state.faultCode, 4);
    EXPECT_FALSE(state.failed);

    text(Field::MaticenBroj) = "1111111111111";
    text(Field::RegistarskiBroj) = "0000000000";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "0000000000Gresen Reg.Br ,");
    EXPECT_EQ(state.faultCode, 2);
    EXPECT_TRUE(state.failed);
    EXPECT_EQ(messages(), std::vector<std::string>{"REGISTARSKIOT BROJ E GRESEN PO NODUL 10"});
    EXPECT_EQ(screen.paints, (std::vector<std::pair<Field, BoxColour>>{
                                 {Field::RegistarskiBroj, BoxColour::Red},
                                 {Field::RegistarskiBroj, BoxColour::Silver}}));

    text(Field::RegistarskiBroj) = "1234567890";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "1234567890 Gr. mod.10 ,");
    EXPECT_EQ(state.faultCode, 2);
    EXPECT_FALSE(state.failed);

    // A space anywhere makes a malformed number, not bad numeric data.
    text(Field::RegistarskiBroj) = "123456789 ";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "123456789 Gresen Reg.Br ,");
}

TEST_F(Rules, YearWindowAroundTheCurrentYear)
{
    struct Case {
        const char* year;
        const char* current;
        bool finding;
    };
    const Case cases[] = {
        {"03", "03", false}, {"04", "03", true}, {"00", "03", false}, {"69", "68", true},
        {"69", "69", false}, {"70", "03", false}, {"96", "03", false}, {"9", "03", true},
        {"9 ", "03", true},  {"  ", "03", true},  {"26", "26", false}, {"27", "26", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year + std::string(" in ") + c.current);
        text(Field::Godina) = c.year;
        currentYear = c.current;
        ASSERT_TRUE(check());
        EXPECT_EQ(state.failed, c.finding);
        // A year of one character falls between "81" and "94" for the hours.
        EXPECT_EQ(state.errorLine.substr(0, c.finding ? std::string(c.year).size() + 19 : 0),
                  c.finding ? c.year + std::string("       Gr. godina ,") : "");
    }
}

TEST_F(Rules, PeriodStartAndEnd)
{
    text(Field::PeriodOd) = "0013"; // E3, not E2
    ASSERT_TRUE(check());
    EXPECT_EQ(messages().at(0), "Periodot treba da bide vo interval 01-12");
    EXPECT_EQ(state.errorLine.substr(0, 23), "0013       Per. 01-12 ,");

    text(Field::PeriodOd) = "3213"; // E2 ends the rule: no month test
    ASSERT_TRUE(check());
    EXPECT_EQ(messages().at(0), "Periodot treba da bide vo interval 01-31");
    EXPECT_EQ(state.errorLine.substr(0, 23), "3213       Per. 01-31 ,");
    EXPECT_EQ(state.errorLine.find("01-12"), std::string::npos);

    // Blank or all zeros: the two malformed texts differ in their commas,
    // and neither period enters the comparison with the months.
    text(Field::PeriodOd) = "    ";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "            Prazno pole  ,,");
    EXPECT_EQ(messages(), std::vector<std::string>{"Periodot  treba da bide so 4 mesta"});
    text(Field::PeriodOd) = "0101";
    text(Field::PeriodDo) = "0000";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "0000        Prazno pole  ,");
    EXPECT_EQ(state.faultCode, 1);
    EXPECT_TRUE(state.failed);

    // "00" passes as a day and as a month.
    text(Field::PeriodDo) = "0000";
    text(Field::PeriodOd) = "0000";
    text(Field::PeriodDo) = "3112";
    text(Field::PeriodOd) = "0001";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine.find("Per."), std::string::npos);
}

TEST_F(Rules, PeriodAgainstMonthsAndDays)
{
    struct Case {
        const char* od;
        const char* to;
        const char* mesec;
        const char* sifra;
        bool finding;
    };
    const Case cases[] = {
        {"0101", "3112", "1200", "0000", false},
        {"0101", "3112", "1202", "0000", false},
        {"0101", "3112", "1203", "0000", true},  // three days more than computed
        {"0101", "3112", "1130", "0000", true},  // the months differ
        {"0101", "3112", "1130", "0065", false}, // excused outright
        {"0101", "3112", "1130", "0066", false},
        {"0101", "3112", "1203", "0065", true},  // months agree: days count
        {"0101", "3112", "1130", "    ", true},
        {"1501", "1403", "0200", "0000", false}, // days = 30 carries into months
        {"1501", "1403", "0202", "0000", false},
        {"1501", "1403", "0203", "0000", true},
        {"1501", "1403", "0130", "0000", true},
        {"0101", "0501", "0005", "0000", false}, // one digit of months gets its "0"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.od) + "-" + c.to + " " + c.mesec + " " + c.sifra);
        text(Field::PeriodOd) = c.od;
        text(Field::PeriodDo) = c.to;
        text(Field::Mesec) = c.mesec;
        text(Field::SifraStaz) = c.sifra;
        text(Field::Godina) = "96"; // no hours norm
        ASSERT_TRUE(check());
        EXPECT_EQ(state.errorLine, c.finding ? c.mesec + std::string("       Gr. period ,") : "");
        EXPECT_EQ(state.failed, c.finding);
    }
}

TEST_F(Rules, PeriodComparisonOnlyWhenBothPeriodsArePresent)
{
    text(Field::Godina) = "96";
    text(Field::Mesec) = "1130";
    text(Field::PeriodDo) = "    ";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "            Prazno pole  ,"); // F1, no G
    // The record before a failing gate leaves nothing behind.
    text(Field::PeriodDo) = "3112";
    text(Field::Mesec) = "1200";
    ASSERT_TRUE(check());
    text(Field::PeriodOd) = "0000";
    text(Field::Mesec) = "1130";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "0000        Prazno pole  ,,");
}

TEST_F(Rules, HourBands)
{
    struct Case {
        const char* year;
        const char* hours;
        const char* sick;
        const char* column; // nullptr: no finding
    };
    const char* warn = "  Da se proveri br,";
    const char* error = "  Pogolem broj na casovi,";
    const Case cases[] = {
        // Year 90: narrow band 2104 to 2366, wide band 2024 to 2548.
        {"90", "2200", "0000", nullptr}, {"90", "2104", "0000", nullptr},
        {"90", "2366", "0000", nullptr}, {"90", "2050", "0000", warn},
        {"90", "2400", "0000", warn},    {"90", "2000", "0000", error},
        {"90", "2600", "0000", error},   {"90", "2000", "0200", nullptr}, // sick leave counts
        {"81", "2600", "0000", error},   {"94", "2600", "0000", error},
        {"99", "2100", "0000", error},   {"99", "2088", "0000", nullptr},
        {"97", "1950", "0000", warn},    {"00", "1000", "0000", error},
        {"96", "9999", "0000", nullptr}, {"02", "9999", "0000", nullptr},
        {"80", "9999", "0000", nullptr}, {"95", "9999", "0000", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.year) + " " + c.hours + "+" + c.sick);
        text(Field::Godina) = c.year;
        text(Field::VkRabCasovi) = c.hours;
        text(Field::Boleduvanje) = c.sick;
        ASSERT_TRUE(check());
        EXPECT_EQ(state.errorLine, c.column ? c.hours + std::string(c.column) : "");
        EXPECT_EQ(state.faultCode, c.column ? 1 : 0);
        EXPECT_EQ(state.failed, c.column == error);
    }
}

TEST_F(Rules, HourFindingsPaintHoursAndSickLeaveWhileOpen)
{
    std::vector<std::pair<BoxColour, BoxColour>> whileOpen;
    boxes.onShow([&](const auto&) {
        whileOpen.emplace_back(screen.colour(Field::VkRabCasovi),
                               screen.colour(Field::Boleduvanje));
    });
    text(Field::Godina) = "90";
    text(Field::VkRabCasovi) = "2050";
    ASSERT_TRUE(check());
    EXPECT_EQ(messages(), std::vector<std::string>{"Mozna greska vo casovite"});
    text(Field::VkRabCasovi) = "2600";
    ASSERT_TRUE(check());
    EXPECT_EQ(messages(), std::vector<std::string>{"Greska vo vkupniot br. na  casovi"});
    EXPECT_EQ(whileOpen, (std::vector<std::pair<BoxColour, BoxColour>>{
                             {BoxColour::Yellow, BoxColour::Yellow},
                             {BoxColour::Red, BoxColour::Red}}));
    EXPECT_EQ(screen.colour(Field::VkRabCasovi), BoxColour::Silver);
    EXPECT_EQ(screen.colour(Field::Boleduvanje), BoxColour::Silver);
}

TEST_F(Rules, FindingsThatLeaveTheFaultCodeAlone)
{
    // K alone: painted and appended, but the record has nothing to list.
    text(Field::Godina) = "96";
    text(Field::VkRabCasovi) = "    ";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "12003 i 4 se nuli ,");
    EXPECT_EQ(state.faultCode, 0);
    EXPECT_FALSE(state.failed);
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Vk br na casovite i Denarite ne smeat da se nuli"});
    EXPECT_EQ(screen.paints, (std::vector<std::pair<Field, BoxColour>>{
                                 {Field::VkRabCasovi, BoxColour::Red},
                                 {Field::Denari, BoxColour::Red},
                                 {Field::VkRabCasovi, BoxColour::Silver},
                                 {Field::Denari, BoxColour::Silver}}));

    // Zero hours in a year with norms: J2, then K after it.
    text(Field::Godina) = "99";
    text(Field::VkRabCasovi) = "0000";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "0000  Pogolem broj na casovi,12003 i 4 se nuli ,");
    EXPECT_EQ(state.faultCode, 1);

    // H alone.
    text(Field::VkRabCasovi) = "2088";
    text(Field::EfektStaz) = "1300";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine, "1300Golem efektiven staz,");
    EXPECT_EQ(state.faultCode, 0);
    EXPECT_FALSE(state.failed);
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "Efektivnoto traenje mora da bide pomalo od Vk. broj na casovi"});
}

TEST_F(Rules, WorkingCopiesShowInTheLineButNeverOnTheScreen)
{
    // Mesec " 100" passes the numeric test; the blank EfektStaz becomes
    // "0000" in its working copy, which is above " 100" and is what H shows.
    text(Field::Mesec) = " 100";
    text(Field::EfektStaz) = "    ";
    ASSERT_TRUE(check());
    EXPECT_EQ(state.errorLine,
              " 100       Gr. period ,0000Golem efektiven staz,2088  Pogolem broj na casovi,");
    EXPECT_EQ(text(Field::EfektStaz), "    ");
}

TEST_F(Rules, SickLeaveLimit)
{
    text(Field::Godina) = "96";
    for (const char* sick : {"2199", "123", "9999"}) {
        text(Field::Boleduvanje) = sick;
        ASSERT_TRUE(check());
        EXPECT_EQ(state.errorLine, "") << sick; // L appends nothing
        EXPECT_EQ(state.faultCode, 1) << sick;
        EXPECT_TRUE(state.failed) << sick;
        EXPECT_EQ(messages(),
                  std::vector<std::string>{"BO!Boleduvanjeto mora da bide pomalo od 2198"});
    }
    for (const char* sick : {"2198", "    ", "0000"}) {
        text(Field::Boleduvanje) = sick;
        ASSERT_TRUE(check());
        EXPECT_EQ(state.faultCode, 0) << sick;
    }
}

TEST_F(Rules, BadNumericDataStopsTheRecordKeepingEarlierFindings)
{
    struct Case {
        Field field;
        const char* text;
        const char* valueUnderTest;
    };
    const Case cases[] = {
        {Field::Godina, "9A", "9A"},
        {Field::Godina, "+9", "+9"},
        {Field::LicenBroj, "11111 1181", "11111 1181"},
        {Field::LicenBroj, "  11111111", "  11111111"}, // numeric, but no digit for Luhn
        {Field::LicenBroj, "111111118 ", "111111118 "}, // Luhn passes, no check digit for 11
        {Field::RegistarskiBroj, "123456789-", "123456789-"},
        {Field::MaticenBroj, "111111111111A", "111111111111A"},
        {Field::RegistarskiBroj, "12345.7897", "12345.7897"},
        {Field::PeriodOd, "01A1", "01A1"},
        {Field::PeriodDo, "3,12", "3,12"},
        {Field::PeriodOd, "01-1", "01-1"},  // malformed, then its month part fails
        {Field::Mesec, "12AB", "12AB"},
        {Field::Mesec, "12  ", "12  "},     // the days part fails
        {Field::SifraStaz, "00-5", "00-5"},
        {Field::EfektStaz, "1 00", "1 00"},
        {Field::VkRabCasovi, "20 8", "20 8"},
        {Field::Denari, "00015000A", "00015000A"},
        {Field::Denari, "         ", ""}, // nine blanks count as zeros: no failure
        {Field::Boleduvanje, "-001", "-001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FakeScreen fresh{testing::recordLine()};
        screen = fresh;
        // A finding of an earlier rule, where there is one.
        const bool afterRegistration = c.field != Field::LicenBroj
                                       && c.field != Field::MaticenBroj
                                       && c.field != Field::RegistarskiBroj;
        if (afterRegistration)
            text(Field::RegistarskiBroj) = "1234567890";
        text(c.field) = c.text;
        const bool ok = check();
        EXPECT_EQ(ok, std::string(c.valueUnderTest).empty());
        if (!ok) {
            EXPECT_EQ(state.valueUnderTest, c.valueUnderTest);
        }
        EXPECT_EQ(state.errorLine.substr(0, 23), afterRegistration ? "1234567890 Gr. mod.10 ," : "");
        EXPECT_EQ(state.faultCode != 0, afterRegistration);
    }

    // The rest of the record's rules are skipped: no E1 after the bad year.
    FakeScreen fresh{testing::recordLine()};
    screen = fresh;
    text(Field::Godina) = "9A";
    text(Field::PeriodOd) = "    ";
    EXPECT_FALSE(check());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(state.errorLine, "");
}

TEST_F(Rules, MonthsOfAnUncomparedRecordMustStillBeANumberForTheHours)
{
    text(Field::PeriodDo) = "    ";
    text(Field::Mesec) = "AB00";
    EXPECT_FALSE(check());
    EXPECT_EQ(state.valueUnderTest, "AB00");
    EXPECT_EQ(state.errorLine, "            Prazno pole  ,");
}

} // namespace
} // namespace dorvik
