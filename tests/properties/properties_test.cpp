// The fuzz harnesses' properties on seeded inputs of the shapes that matter:
// record lines with changed fields and digits, lines a byte short or long,
// blank lines, noise, line ends of every kind, blocks that cut a CR LF.
#include "properties.h"
#include "records.h"

#include <gtest/gtest.h>

#include <random>

namespace dorvik::fuzz {
namespace {

std::mt19937 rng;
int pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
char byte() { return static_cast<char>(rng()); }
char digit(int below = 10) { return static_cast<char>('0' + pick(below)); }

// Digits, or characters the rules tell apart.
std::string text(int length, int kinds = 17)
{
    std::string t;
    while (length-- > 0)
        t += "0123456789 0-A\n\xe8\xfe"[pick(kinds)];
    return t;
}

// A record's line, or one with digits or fields changed, a byte short or
// long, blank or noise.
std::string line()
{
    std::string l = testing::recordLine(pick(100));
    for (int changes = pick(3); changes > 0; --changes) {
        const Field f = static_cast<Field>(pick(kFieldCount));
        switch (pick(10)) {
        case 0: l[pick(35)] = digit(); break;
        case 1: l.replace(fieldOffset(f), fieldWidth(f), text(fieldWidth(f))); break;
        case 2: l.erase(pick(147), 1); break;
        case 3: l.insert(pick(147), 1, digit()); break;
        case 4: return "";
        case 5: return text(pick(300));
        default: l.replace(fieldOffset(f), fieldWidth(f), text(fieldWidth(f), 10));
        }
    }
    return l;
}

std::string reportFile()
{
    const char blocks[] = {0, 1, 2, 3, 7, char(146), char(147), char(148), char(149), byte()};
    const char* ends[] = {"\r\n", "\r\n", "\r\n", "\r", "\n", ""};
    std::string in{byte(), blocks[pick(10)], byte(), byte()};
    if (pick(8) == 0) // about a tenth of the lines bad: the summary's two messages
        return in + testing::fileOf(testing::records(9 + pick(4))) + "short\r\n";
    for (int n = pick(9); n > 0; --n)
        in += line() + ends[pick(6)];
    return in;
}

// Year, period, then a line's fields, some cut or lengthened.
std::string rules()
{
    std::string in{byte(), digit(), digit(), '\xff', digit(4), digit(), digit(2), digit()};
    if (pick(4) == 0)
        in = in.substr(0, 1) + text(pick(3)) + '\xff' + text(pick(6));
    const std::string l = line();
    for (int i = 0; i < kFieldCount; ++i) {
        std::string t = l.size() == 147 ? testing::fieldOf(l, static_cast<Field>(i)) : text(pick(15));
        if (pick(8) == 0)
            t.resize(pick(40), ' ');
        in += '\xff' + t;
    }
    return in;
}

// A payroll sheet: the mode byte (see properties.h), then rows of the
// record's values, some changed, in the shapes sheets bring them in:
// quoted, grouped, in dates, in exponent form, with Cyrillic, blanks and
// stray quotes and line breaks; or the XML of a workbook's sheet.
std::string sheet()
{
    const char* forms[] = {"1.1.2003", "37622", "2003-12-31", "1.234.567,50", "12345,5", "1.23457E+12",
                           "'0101", "=\"615\"", "\"a;b\"", "\"x\r\ny\"", "\"open", "\xD0\x9F\xD0\xB5",
                           "\xC5\xBD", "\xC2\xA0" "12", "-5", "", "2088,00", "2.088", "99", "2003"};
    std::string in{static_cast<char>(pick(256) & ~3)};
    const int mode = pick(4);
    if (mode == 1) { // an .ods
        in[0] = static_cast<char>(in[0] | 1);
        in += "<table:table><table:table-row table:number-rows-repeated='" + std::to_string(pick(3)) + "'>";
        for (int i = 0; i < kFieldCount; ++i)
            in += "<table:table-cell office:value-type='float' office:value='" + std::to_string(pick(40000))
                  + "' table:number-columns-repeated='" + std::to_string(pick(3)) + "'><text:p>"
                  + forms[pick(20)] + "</text:p></table:table-cell>";
        return in + (pick(2) ? "</table:table-row></table:table>" : "");
    }
    if (mode == 2) { // an .xlsx
        in[0] = static_cast<char>(in[0] | 2);
        in += "<sheetData><row r='" + std::to_string(pick(5)) + "'>";
        for (int i = 0; i < kFieldCount; ++i)
            in += pick(2) ? "<c t='s'><v>" + std::to_string(pick(3)) + "</v></c>"
                          : "<c><v>" + std::to_string(pick(40000)) + "</v></c>";
        return in + "</row></sheetData>\xFF<sst><si><t>" + forms[pick(20)] + "</t></si><si><t>"
               + testing::recordLine(pick(9)).substr(0, 2) + "</t></si></sst>";
    }
    const char separator = ";,\t"[pick(3)];
    if (pick(3) == 0) // the fields' names as the header
        for (int i = 0; i < kFieldCount; ++i)
            in += (i ? std::string(1, separator) : "") + std::string(fieldName(fieldAt(i)));
    in += "\r\n";
    for (int rows = pick(5); rows > 0; --rows) {
        const std::string line = testing::recordLine(pick(100));
        for (int i = 0; i < kFieldCount; ++i) {
            std::string cell = testing::fieldOf(line, fieldAt(i));
            if (pick(4) == 0)
                cell = forms[pick(20)];
            in += (i ? std::string(1, separator) : "") + cell;
        }
        in += "\r\n\n\r"[pick(4)];
    }
    return in;
}

void holds(void (*property)(std::string_view), std::string (*input)(), int count)
{
    rng.seed(2003);
    std::string in;
    for (int i = 0; i < count; ++i)
        ASSERT_NO_THROW(property(in = input())) << "input " << i << ": " << ::testing::PrintToString(in);
}

TEST(Properties, ReportFile) { holds(reportFileProperty, reportFile, 600); }
TEST(Properties, Rules) { holds(rulesProperty, rules, 2000); }
TEST(Properties, SheetImport) { holds(sheetImportProperty, sheet, 1500); }

} // namespace
} // namespace dorvik::fuzz
