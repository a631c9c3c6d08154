// Reading CSV and TAB-separated text: quoting, row ends, empty rows, the
// separator and the encoding.
#include "import/text_sheet.h"

#include "sheet_rows.h"

#include <gtest/gtest.h>

using namespace dorvik::import;

TEST(TextSheet, QuotingRowEndsEmptyRowsAndTheSeparator)
{
    struct Case {
        std::string bytes;
        std::optional<char> given;
        char separator;
        std::vector<std::string> rows;
        int emptyRows = 0;
    };
    const std::vector<Case> cases = {
        // Rows end at CR LF, LF or CR; the last may have no end.
        {"a;b\r\nc;d\ne;f\rg;h", {}, ';', {"1:a|b", "2:c|d", "3:e|f", "4:g|h"}},
        // Doubled quotes, separators and line breaks inside quotes; text
        // after a closing quote is kept; a quote inside a cell is a character.
        {"\"a\"\"b\";\"c;d\"\r\n\"x\r\ny\";z\r\n\"p\"q;r\"s\r\n", {}, ';',
         {"1:a\"b|c;d", "2:x\r\ny|z", "3:pq|r\"s"}},
        // Empty rows, blank rows and rows of empty cells are skipped and counted.
        {"a;b\r\n\r\n;;\r\n \xC2\xA0;\t\r\nc;d\r\n\r\n", {}, ';', {"1:a|b", "5:c|d"}, 4},
        // Empty cells keep their places; a Cyrillic "Р" (D0 A0) is no blank.
        {";\xD0\xA0;\r\n", {}, ';', {"1:|\xD0\xA0|"}},
        // An unterminated quote fails its row and every row after it, named.
        {"a;b\r\n\"c;d\r\ne;f\r\n\r\ng\r\n", {}, ';', {"1:a|b", "2!\"c|d", "3!e|f", "5!g"}, 1},
        // The separator: the one on every row.
        {"a,b,c\r\nd,e,f\r\n", {}, ',', {"1:a|b|c", "2:d|e|f"}},
        {"a\tb\r\nc\td\r\n", {}, '\t', {"1:a|b", "2:c|d"}},
        // One count on most rows wins over more separators on a few.
        {"a,b,c,d\r\ne;f;g\r\nh;i;j\r\nk,l,m,n,o;p;q\r\n", {}, ';',
         {"1:a,b,c,d", "2:e|f|g", "3:h|i|j", "4:k,l,m,n,o|p|q"}},
        // Decimal commas in every row: a tie, and ";" wins it.
        {"x;1,5\r\ny;2,5\r\n", {}, ';', {"1:x|1,5", "2:y|2,5"}},
        // Commas and tabs tie: the comma, before the tab.
        {"a,b\tc\r\n", {}, ',', {"1:a|b\tc"}},
        // One column: ";".
        {"abc\r\ndef\r\n", {}, ';', {"1:abc", "2:def"}},
        // "sep=" names it, and is no row.
        {"sep=,\r\na;b,c\r\n", {}, ',', {"1:a;b|c"}},
        {"\"sep=\t\"\na;b\tc\r\n", {}, '\t', {"1:a;b|c"}},
        // The user's choice wins over both.
        {"sep=,\r\na;b,c\r\n", ';', ';', {"1:a|b,c"}},
        {"a,b;c\r\n", '|', '|', {"1:a,b;c"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        TextSheetOptions options;
        options.separator = c.given;
        const SheetResult result = readTextSheet(c.bytes, options);
        EXPECT_EQ(result.error, "");
        EXPECT_EQ(result.sheet.separator, c.separator);
        EXPECT_EQ(rowsOf(result.sheet), c.rows);
        EXPECT_EQ(result.sheet.emptyRows, c.emptyRows);
    }
    const Sheet open = readTextSheet("a;b\r\n\"c;d\r\n").sheet;
    EXPECT_EQ(open.rows.at(1).unreadable, "Navodnikot otvoren vo redot 2 ne e zatvoren");
}

TEST(TextSheet, TheEncoding)
{
    struct Case {
        std::string bytes;
        TextEncoding given;
        TextEncoding used;
        std::string cell; // UTF-8
    };
    const std::string petar = "\xD0\x9F\xD0\xB5\xD1\x82\xD0\xB0\xD1\x80"; // Петар
    const std::vector<Case> cases = {
        {"\xCF\xE5\xF2\xE0\xF0", TextEncoding::Auto, TextEncoding::Windows1251, petar},
        {"Ime: " + petar, TextEncoding::Auto, TextEncoding::Utf8, "Ime: " + petar},
        {"\xEF\xBB\xBF" + petar, TextEncoding::Auto, TextEncoding::Utf8, petar},
        {std::string("\xFF\xFE\x1F\x04\x35\x04\x42\x04\x30\x04\x40\x04", 12), TextEncoding::Auto,
         TextEncoding::Utf16Le, petar},
        {std::string("\xFE\xFF\x04\x1F\x04\x35\x04\x42\x04\x30\x04\x40", 12), TextEncoding::Auto,
         TextEncoding::Utf16Be, petar},
        // Plain ASCII is UTF-8 and Windows-1251 alike.
        {"Petar", TextEncoding::Auto, TextEncoding::Windows1251, "Petar"},
        // Valid UTF-8 can still be meant as Windows-1251, when the user says so:
        // "РџРµ" is what the bytes of "Пе" are in it.
        {"\xD0\x9F\xD0\xB5", TextEncoding::Windows1251, TextEncoding::Windows1251,
         "\xD0\xA0\xD1\x9F\xD0\xA0\xC2\xB5"},
        // A byte that is no UTF-8, when UTF-8 is asked for, is U+FFFD.
        {"P\xE8t", TextEncoding::Utf8, TextEncoding::Utf8, "P\xEF\xBF\xBDt"},
        // An unpaired surrogate and an odd last byte likewise.
        {std::string("\xFF\xFE\x00\xD8\x41\x00\x42", 7), TextEncoding::Auto, TextEncoding::Utf16Le,
         "\xEF\xBF\xBD" "A\xEF\xBF\xBD"},
        // A surrogate pair is one character.
        {std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), TextEncoding::Auto, TextEncoding::Utf16Le,
         "\xF0\x9F\x98\x80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        TextSheetOptions options;
        options.encoding = c.given;
        const Sheet sheet = readTextSheet(c.bytes, options).sheet;
        EXPECT_EQ(sheet.encoding, c.used);
        ASSERT_EQ(sheet.rows.size(), 1u);
        EXPECT_EQ(sheet.rows[0].cells.at(0).text, c.cell);
    }
}

TEST(TextSheet, LimitsRefuseSheetsTooLargeToBeReports)
{
    std::string rows;
    for (int i = 0; i <= kMaxSheetRows; ++i)
        rows += "1\n";
    const SheetResult tooMany = readTextSheet(rows);
    EXPECT_EQ(tooMany.error, tooLargeMessage());
    EXPECT_TRUE(tooMany.sheet.rows.empty());

    std::string wideRow;
    for (int i = 0; i < kMaxSheetColumns + 5; ++i)
        wideRow += "x;";
    const SheetResult wide = readTextSheet(wideRow + "\n1\n");
    ASSERT_EQ(wide.error, "");
    EXPECT_EQ(wide.sheet.rows.at(0).cells.size(), static_cast<std::size_t>(kMaxSheetColumns));
}
