// The error list laid out for paper: rows, continuation rows and pages.
#include "print/list_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace dorvik;

namespace {

std::vector<std::string> rowsOf(const std::string& line, int columns)
{
    std::vector<std::string> rows;
    for (const QString& row : listRows(QString::fromStdString(line), columns))
        rows.push_back(row.toStdString());
    return rows;
}

std::string lines(int count, const std::string& text = "x")
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += text + "\r\n";
    return bytes;
}

} // namespace

TEST(ListPages, LongLinesGoOnInIndentedRows)
{
    const std::string indent(kListIndent, ' ');
    struct Case {
        const char* what;
        std::string line;
        int columns;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"fits", "000001 ,12 Gr. godina ,", 79, {"000001 ,12 Gr. godina ,"}},
        {"exactly the width", std::string(20, 'a'), 20, {std::string(20, 'a')}},
        {"empty", "", 20, {""}},
        {"one over, no comma: cut at the width", std::string(21, 'a'), 20,
         {std::string(20, 'a'), indent + "a"}},
        {"after the last comma in the second half",
         "000007 ,aaaaa ,bbbbbbb ,cc", 20, {"000007 ,aaaaa ,", indent + "bbbbbbb ,cc"}},
        {"a comma in the first half is too early", "ab,cdefghijklmnopqrstuvwxyz", 20,
         {"ab,cdefghijklmnopqrs", indent + "tuvwxyz"}},
        {"the comma ending the row", "aaaaaaaaaaaaaaaaaaa,bb", 20,
         {"aaaaaaaaaaaaaaaaaaa,", indent + "bb"}},
        {"continuations have the width less the indent", std::string(40, 'a'), 20,
         {std::string(20, 'a'), indent + std::string(12, 'a'), indent + std::string(8, 'a')}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rowsOf(c.line, c.columns), c.rows) << c.what;
}

TEST(ListPages, PagesHoldWholeLines)
{
    const std::string wrapped(30, 'w'); // two rows at 20 columns
    struct Case {
        const char* what;
        std::string bytes;
        int rowsPerPage;
        std::vector<int> pageStarts;
        int rows;
    };
    const Case cases[] = {
        {"a full page", lines(61), 61, {0}, 61},
        {"one row more", lines(62), 61, {0, 61}, 62},
        {"a line whose rows do not fit starts the next page", lines(4) + wrapped + "\r\n", 5,
         {0, 4}, 6},
        {"a line longer than a page is split", lines(1) + std::string(100, 'w') + "\r\n", 3,
         {0, 1, 4, 7}, 9},
        {"nothing", "", 61, {0}, 0},
        {"empty lines are rows", "\r\n\r\nx\r\n", 61, {0}, 3},
    };
    for (const Case& c : cases) {
        const ListPages pages = layOutList(c.bytes, 20, c.rowsPerPage);
        EXPECT_EQ(static_cast<int>(pages.rows.size()), c.rows) << c.what;
        EXPECT_EQ(pages.pageStarts, c.pageStarts) << c.what;
    }
}

TEST(ListPages, LinesReadAsWindows1251OrAsAPath)
{
    struct Case {
        const char* what;
        std::string bytes;
        QString text;
    };
    const Case cases[] = {
        {"ASCII", "000001 ,10 Gr. godina ,", QStringLiteral("000001 ,10 Gr. godina ,")},
        {"Windows-1251", "\xCC\xE0\xF0\xEA\xEE", QStringLiteral("Марко")},
        {"a path in UTF-8", "/home/\xD0\x9C\xD0\xB0\xD1\x80\xD0\xBA\xD0\xBE/PRIJAVA",
         QStringLiteral("/home/Марко/PRIJAVA")},
        {"not UTF-8 after all", "\xD0\xE0", QStringLiteral("Ра")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(listLineText(c.bytes), c.text) << c.what;
}
