// From a cell to a field's stored text: what passes as what, and what fails
// with which reason. Never a changed meaning.
#include "import/normalise.h"

#include <gtest/gtest.h>

using namespace dorvik;
using namespace dorvik::import;

TEST(Normalise, EachKindOfCell)
{
    struct Case {
        Field field;
        std::string text;
        bool number;       // a workbook's number cell
        std::string stored; // or, when it fails, the reason after "!"
        std::string note = {};
        AmountUnit amounts = AmountUnit::Denari;
    };
    // What the import plan's tests already give through whole rows is not
    // repeated here: a lost-digits identifier, a D.M.YYYY period, the dates of
    // both workbooks, an empty whole number, a negative amount, a character
    // outside the code page. Nor the months worked out from a period: the
    // plan's tests pin them whole ("1200", "0200"), the field rules' test a
    // period of days alone, both over the one service length.
    const std::vector<Case> cases = {
        // Trimmed; a leading "'" and Excel's ="..." removed; blanks dropped in numbers.
        {Field::MaticenBroj, " '0101980450008 ", false, "0101980450008"},
        {Field::MaticenBroj, "=\"0101980450008\"", false, "0101980450008"},
        {Field::MaticenBroj, "0101 980\xC2\xA0" "450\xE2\x80\x87" "008", false, "0101980450008"},
        // Identifiers: digits only, left zeros added (and said), a trailing ".0" dropped.
        {Field::LicenBroj, "615.0", false, "0000000615", "615 -> 0000000615"},
        {Field::LicenBroj, "", false, "0000000000", "prazno -> 0000000000"},
        {Field::MaticenBroj, "", false, "!praznoto pole"},
        {Field::MaticenBroj, "12345678901234", false, "!poveke od 13 cifri"},
        {Field::RegistarskiBroj, "123-456", false, "!smee da ima samo cifri"},
        {Field::LicenBroj, "61.5", false, "!smee da ima samo cifri"},
        // The year.
        {Field::Godina, "3", false, "03"},
        {Field::Godina, "2003", true, "03"},
        {Field::Godina, "1999", false, "99"},
        {Field::Godina, "2070", false, "!godinata treba da bide od 1970 do 2069 (ili so dve cifri)"},
        {Field::Godina, "203", false, "!godinata treba da bide od 1970 do 2069 (ili so dve cifri)"},
        {Field::Godina, "", false, "!praznoto pole"},
        // Periods: DDMM (lost zeros back), D.M.YYYY, YYYY-MM-DD, a date serial.
        {Field::PeriodOd, "101", false, "0101"},
        {Field::PeriodOd, "101", true, "0101"},
        {Field::PeriodOd, "01.02.2003.", false, "0102"},
        {Field::PeriodOd, "1/2/03", false, "0102"},
        {Field::PeriodOd, "1.2.2003 0:00", false, "0102"},
        {Field::PeriodOd, "2003-02-01T00:00:00", false, "0102"},
        {Field::PeriodOd, "37653.75", true, "0102"},
        {Field::PeriodOd, "37653", false, "0102"},
        {Field::PeriodDo, "31.12.2004", false, "!datumot ne e vo godinata na prijavata (2003)"},
        {Field::PeriodDo, "38000", true, "!datumot ne e vo godinata na prijavata (2003)"},
        {Field::PeriodDo, "30.2.2003", false, "!takov datum ne postoi"},
        {Field::PeriodDo, "1.13.2003", false, "!takov datum ne postoi"},
        {Field::PeriodDo, "1.2", false, "!ne e period (DDMM) nitu datum"},
        {Field::PeriodDo, "", false, "!praznoto pole"},
        // Whole numbers.
        {Field::VkRabCasovi, "2088,00", false, "2088"},
        {Field::VkRabCasovi, "2.088", false, "2088"},
        {Field::VkRabCasovi, "2 088", false, "2088"},
        {Field::VkRabCasovi, "340", true, "0340"},
        {Field::VkRabCasovi, "2088,5", false, "!ne e cel broj"},
        {Field::VkRabCasovi, "2088.5", true, "!ne e cel broj"},
        {Field::VkRabCasovi, "10000", false, "!poveke od 4 cifri"},
        {Field::VkRabCasovi, "-8", false, "!negativen broj"},
        {Field::Boleduvanje, "", false, "0000"},
        {Field::SifraStaz, "65", false, "0065"},
        // Amounts: denari and two digits of deni.
        {Field::Denari, "12345", false, "001234500"},
        {Field::Denari, "12345,5", false, "001234550"},
        {Field::Denari, "1.234.567,50", false, "123456750"},
        {Field::Denari, "1,234,567.50", false, "123456750"},
        {Field::Denari, "12.345", false, "001234500"},
        {Field::Denari, "12,34", false, "000001234"},
        {Field::Denari, "12345.67", true, "001234567"},
        {Field::Denari, "9999999.99", false, "999999999"},
        {Field::Denari, "10000000", false, "!pogolem od 9.999.999,99"},
        {Field::Denari, "10000000000000", false, "!prevelik broj"},
        {Field::Denari, "0.125", false, "!poveke od dve decimali"},
        {Field::Denari, "12.3456", true, "!poveke od dve decimali"},
        {Field::Denari, "(5)", false, "!negativen broj"},
        {Field::Denari, "12 345 den", false, "!ne e broj"},
        {Field::Denari, "1.234,567,8", false, "!ne e broj"},
        {Field::Denari, "1,2,3", false, "!ne e broj"},
        // Amounts as the field holds them: in deni, nine digits at most.
        {Field::Denari, "1234500", false, "001234500", "", AmountUnit::FieldDigits},
        {Field::Denari, "1234500", true, "001234500", "", AmountUnit::FieldDigits},
        {Field::Denari, "12345,5", false, "!ne e cel broj", "", AmountUnit::FieldDigits},
        {Field::Denari, "1234567890", false, "!poveke od 9 cifri", "", AmountUnit::FieldDigits},
        // Names and the firm: the report's code page, never cut, never replaced.
        {Field::ImePrezime, "\xD0\x9F\xD0\xB5\xD1\x82\xD0\xB0\xD1\x80", false,
         std::string("\xCF\xE5\xF2\xE0\xF0") + std::string(30, ' ')},
        {Field::ImePrezime, "Ana\nMarkovska", false, "!kontrolen znak U+000A"},
        {Field::Firma, std::string(35, 'F'), false, std::string(35, 'F')},
        {Field::Firma, std::string(36, 'F'), false, "!podolgo od 35 znaci (36)"},
        {Field::Firma, "=\"\"", false, std::string(35, ' ')},
        {Field::StepenZgolem, "", false, "     "},
        {Field::StepenZgolem, "12/15", false, "12/15"},
        {Field::StepenZgolem, "12/150", false, "!podolgo od 5 znaci (6)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(fieldName(c.field)) + " '" + c.text + "'");
        const FieldValue v = normaliseField(c.field, {c.text, c.number}, "03", {c.amounts});
        if (c.stored.front() == '!') {
            EXPECT_EQ(v.error, c.stored.substr(1));
        } else {
            EXPECT_EQ(v.error, "");
            EXPECT_EQ(v.stored(), c.stored);
            EXPECT_EQ(v.note, c.note);
        }
    }
}
