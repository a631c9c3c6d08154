// The eleven rules on one record: what each finds, lists, paints and says.
#include "check/field_rules.h"

#include "fake_screen.h"
#include "scripted_boxes.h"

#include <gtest/gtest.h>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

using Changes = std::vector<std::pair<Field, const char*>>;

struct Checked {
    bool numericOk;
    RecordCheckState state;
    std::vector<std::string> messages;
};

Checked check(const Changes& changes, const char* currentYear = "03")
{
    FakeScreen screen;
    for (const auto& [field, text] : changes)
        screen.text(field) = text;
    ScriptedBoxes boxes;
    Checked checked;
    boxes.onShow([](const ShownBox& box) { EXPECT_TRUE(box.message.finding); });
    checked.numericOk = FieldRules({screen, boxes, currentYear}).apply(checked.state);
    checked.messages = boxes.texts();
    return checked;
}

const char* const kYear =
    "Gresna  godina. Prijavata moze da bide samo vo interval pomegu 1970 i tekovnata godina";
const char* const kPeriodDays = "Periodot treba da bide vo interval 01-31";
const char* const kPeriodMonths = "Periodot treba da bide vo interval 01-12";
const char* const kPeriodShape = "Periodot  treba da bide so 4 mesta";
const char* const kPeriodMonthsDiffer = "Periodot ne e vo red";
const char* const kDoubtful = "Mozna greska vo casovite";
const char* const kAboveNorm = "Greska vo vkupniot br. na  casovi";

} // namespace

TEST(FieldRules, WhatEachRuleListsAndWhetherTheFileFails)
{
    struct Case {
        Changes changes;
        std::string errorLine;
        std::int16_t faultCode;
        bool failed;
        std::vector<std::string> messages;
        const char* currentYear = "03";
    };
    const std::vector<Case> cases = {
        {{}, "", 0, false, {}},
        // Rule 1: Luhn over "0" + nine digits, then modulus 11 (its ninth digit weighs 0).
        {{{Field::LicenBroj, "1111111191"}}, "1111111191 Gr. mod 10 ,", 1, false,
         {"LICNIOT  BROJ E GRESEN  PO MODUL 10"}},
        {{{Field::LicenBroj, "1111111192"}}, "1111111192 Gr. mod 10 ,1111111192 Gr. mod.11 ,", 3, false,
         {"LICNIOT  BROJ E GRESEN  PO MODUL 10", "LICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"}},
        {{{Field::LicenBroj, "0000000000"}}, "", 0, false, {}},
        {{{Field::LicenBroj, "          "}}, "", 0, false, {}},
        {{{Field::LicenBroj, "111111118"}}, "", 0, false, {}},
        // Rules 2 and 3: missing, then the check digit.
        {{{Field::MaticenBroj, "             "}}, "             Gresen Mat.Br ,", 4, true,
         {"MATICNEN BROJ MORA DA BIDE VNESEN (13 num)"}},
        {{{Field::MaticenBroj, "111111111111"}}, "111111111111Gresen Mat.Br ,", 4, true,
         {"MATICNEN BROJ MORA DA BIDE VNESEN (13 num)"}},
        {{{Field::MaticenBroj, "1111111111112"}}, "1111111111112 Gr. mod.11 ,", 4, false,
         {"MATICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"}},
        {{{Field::RegistarskiBroj, "0000000000"}}, "0000000000Gresen Reg.Br ,", 2, true,
         {"REGISTARSKIOT BROJ E GRESEN PO NODUL 10"}},
        {{{Field::RegistarskiBroj, "123456789 "}}, "123456789 Gresen Reg.Br ,", 2, true,
         {"REGISTARSKIOT BROJ E GRESEN PO NODUL 10"}},
        {{{Field::RegistarskiBroj, "1234567890"}}, "1234567890 Gr. mod.10 ,", 2, false,
         {"REGISTARSKIOT BROJ E GRESEN PO NODUL 10"}},
        // Rule 4: 70 to 99, and 00 up to the current year.
        {{{Field::Godina, "04"}}, "04       Gr. godina ,", 1, true, {kYear}},
        {{{Field::Godina, "69"}}, "69       Gr. godina ,", 1, true, {kYear}, "68"},
        // A year of one character falls between 81 and 94 for the hours.
        {{{Field::Godina, "9 "}}, "9        Gr. godina ,2088  Da se proveri br,", 1, true,
         {kYear, kDoubtful}},
        {{{Field::Godina, "03"}, {Field::VkRabCasovi, "2184"}}, "", 0, false, {}},
        {{{Field::Godina, "70"}}, "", 0, false, {}},
        // Rules 5 and 6: shape, day, month; "00" passes.
        {{{Field::PeriodOd, "    "}}, "            Prazno pole  ,,", 1, true, {kPeriodShape}},
        {{{Field::PeriodOd, "0000"}}, "0000        Prazno pole  ,,", 1, true, {kPeriodShape}},
        {{{Field::PeriodDo, "0000"}}, "0000        Prazno pole  ,", 1, true, {kPeriodShape}},
        {{{Field::PeriodOd, "3201"}, {Field::SifraStaz, "0065"}}, "3201       Per. 01-31 ,", 1, true,
         {kPeriodDays}},
        {{{Field::PeriodOd, "0113"}, {Field::SifraStaz, "0065"}}, "0113       Per. 01-12 ,", 1, true,
         {kPeriodMonths}},
        {{{Field::PeriodDo, "3113"}, {Field::SifraStaz, "0065"}}, "3113       Per. 01-12 ,", 1, true,
         {kPeriodMonths}},
        {{{Field::PeriodOd, "0001"}}, "", 0, false, {}},
        // Rule 7: the period's months and days against Mesec, two days' grace.
        {{{Field::Mesec, "1202"}}, "", 0, false, {}},
        {{{Field::Mesec, "1203"}, {Field::Godina, "96"}}, "1203       Gr. period ,", 1, true,
         {kPeriodMonthsDiffer}},
        {{{Field::Mesec, "1130"}, {Field::Godina, "96"}}, "1130       Gr. period ,", 1, true,
         {kPeriodMonthsDiffer}},
        {{{Field::Mesec, "1130"}, {Field::Godina, "96"}, {Field::SifraStaz, "0066"}}, "", 0, false, {}},
        {{{Field::PeriodOd, "1501"}, {Field::PeriodDo, "1403"}, {Field::Mesec, "0202"},
          {Field::Godina, "96"}}, "", 0, false, {}},
        {{{Field::PeriodDo, "0501"}, {Field::Mesec, "0005"}, {Field::Godina, "96"}}, "", 0, false, {}},
        // A period with a blank is malformed and still compared.
        {{{Field::PeriodOd, "01 1"}, {Field::Mesec, "1130"}, {Field::Godina, "96"}},
         "01 1        Prazno pole  ,,1130       Gr. period ,", 1, true, {kPeriodShape, kPeriodMonthsDiffer}},
        // ... but a blank or zero period never is.
        {{{Field::PeriodDo, "    "}, {Field::Mesec, "1130"}, {Field::Godina, "96"}},
         "            Prazno pole  ,", 1, true, {kPeriodShape}},
        // Rule 8.
        {{{Field::EfektStaz, "1201"}}, "1201Golem efektiven staz,", 0, false,
         {"Efektivnoto traenje mora da bide pomalo od Vk. broj na casovi"}},
        // Rule 9: 2088 hours in 1997 to 2001; 182 a month in 1981 to 1994.
        {{{Field::VkRabCasovi, "2089"}}, "2089  Pogolem broj na casovi,", 1, true, {kAboveNorm}},
        {{{Field::VkRabCasovi, "2089"}, {Field::Godina, "01"}}, "2089  Pogolem broj na casovi,", 1, true,
         {kAboveNorm}},
        {{{Field::VkRabCasovi, "1950"}, {Field::Godina, "97"}}, "1950  Da se proveri br,", 1, false,
         {kDoubtful}},
        {{{Field::VkRabCasovi, "2104"}, {Field::Godina, "90"}}, "", 0, false, {}},
        {{{Field::VkRabCasovi, "2366"}, {Field::Godina, "90"}}, "", 0, false, {}},
        {{{Field::VkRabCasovi, "2050"}, {Field::Godina, "90"}}, "2050  Da se proveri br,", 1, false,
         {kDoubtful}},
        {{{Field::VkRabCasovi, "2400"}, {Field::Godina, "81"}}, "2400  Da se proveri br,", 1, false,
         {kDoubtful}},
        {{{Field::VkRabCasovi, "2000"}, {Field::Godina, "94"}}, "2000  Pogolem broj na casovi,", 1, true,
         {kAboveNorm}},
        {{{Field::VkRabCasovi, "2600"}, {Field::Godina, "90"}}, "2600  Pogolem broj na casovi,", 1, true,
         {kAboveNorm}},
        {{{Field::VkRabCasovi, "2000"}, {Field::Boleduvanje, "0200"}, {Field::Godina, "90"}},
         "", 0, false, {}},
        {{{Field::VkRabCasovi, "9999"}, {Field::Godina, "95"}}, "", 0, false, {}},
        {{{Field::VkRabCasovi, "9999"}, {Field::Godina, "80"}}, "", 0, false, {}},
        // Rule 10: zero hours, whatever the amount; no fault code of its own.
        {{{Field::VkRabCasovi, "    "}, {Field::Godina, "96"}}, "12003 i 4 se nuli ,", 0, false,
         {"Vk br na casovite i Denarite ne smeat da se nuli"}},
        // Rule 11: more than 2198 hours, or not four characters; nothing listed.
        {{{Field::Boleduvanje, "2199"}, {Field::Godina, "96"}}, "", 1, true,
         {"BO!Boleduvanjeto mora da bide pomalo od 2198"}},
        {{{Field::Boleduvanje, "2198"}, {Field::Godina, "96"}}, "", 0, false, {}},
        // Working copies: a blank EfektStaz is "0000" in the line, never on the screen.
        {{{Field::Mesec, " 100"}, {Field::EfektStaz, "    "}},
         " 100       Gr. period ,0000Golem efektiven staz,2088  Pogolem broj na casovi,", 1, true,
         {kPeriodMonthsDiffer, "Efektivnoto traenje mora da bide pomalo od Vk. broj na casovi", kAboveNorm}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.errorLine);
        const Checked checked = check(c.changes, c.currentYear);
        EXPECT_TRUE(checked.numericOk);
        EXPECT_EQ(checked.state.errorLine, c.errorLine);
        EXPECT_EQ(checked.state.faultCode, c.faultCode);
        EXPECT_EQ(checked.state.failed, c.failed);
        EXPECT_EQ(checked.messages, c.messages);
    }
}

TEST(FieldRules, BadNumericDataStopsTheRecordKeepingEarlierFindings)
{
    const std::pair<Field, const char*> cases[] = {
        {Field::Godina, "9A"},           {Field::LicenBroj, "11111 1181"},
        {Field::LicenBroj, "  11111111"}, {Field::LicenBroj, "111111118 "},
        {Field::MaticenBroj, "111111111111A"}, {Field::RegistarskiBroj, "12345.7897"},
        {Field::PeriodOd, "01A1"},       {Field::PeriodOd, "01-1"},
        {Field::Mesec, "12AB"},          {Field::Mesec, "12  "},
        {Field::SifraStaz, "00-5"},      {Field::EfektStaz, "1 00"},
        {Field::VkRabCasovi, "20 8"},    {Field::Denari, "00015000A"},
        {Field::Boleduvanje, "-001"},
    };
    for (const auto& [field, text] : cases) {
        SCOPED_TRACE(text);
        const bool late = field != Field::LicenBroj && field != Field::MaticenBroj
                          && field != Field::RegistarskiBroj;
        Changes changes = {{field, text}};
        if (late)
            changes.emplace_back(Field::RegistarskiBroj, "1234567890");
        const Checked checked = check(changes);
        EXPECT_FALSE(checked.numericOk);
        EXPECT_EQ(checked.state.valueUnderTest, text);
        EXPECT_EQ(checked.state.errorLine.substr(0, 23), late ? "1234567890 Gr. mod.10 ," : "");
    }
    // Nine blank denari are zeros.
    EXPECT_TRUE(check({{Field::Denari, "         "}}).numericOk);
    // A period that is no number stops the record, whatever the other one holds.
    const Checked stopped = check({{Field::PeriodOd, "01A1"}, {Field::PeriodDo, "0000"}});
    EXPECT_FALSE(stopped.numericOk);
    EXPECT_EQ(stopped.state.valueUnderTest, "01A1");
}
