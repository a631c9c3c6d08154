#include "check/error_list.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace dorvik;

TEST(ErrorList, NamedAfterTheReportLessItsLastFourCharacters)
{
    const std::string cwd = std::filesystem::current_path().string();
    const std::pair<const char*, std::string> cases[] = {
        {"/mnt/a/PRIJAVA.TXT", "/mnt/a/PRIJAVA.err"},
        {"/mnt/a/PRIJAVA", "/mnt/a/PRI.err"},
        {"/mnt/./a/../b/PRIJAVA.txt", "/mnt/b/PRIJAVA.err"},
        {"x/../PRIJAVA.TXT", cwd + "/PRIJAVA.err"},
        // Never into the folder, never inside a character.
        {"/mnt/a/ABCD", "/mnt/a/ABCD.err"},
        {"/mnt/a/ABCDE", "/mnt/a/A.err"},
        {"/mnt/a/\u0436\u0436\u0436\u0436", "/mnt/a/\u0436\u0436\u0436\u0436.err"},
        {"/mnt/a/\u043f\u0440\u0438.\u0442\u0445\u0442", "/mnt/a/\u043f\u0440\u0438.err"},
        {"/mnt/a/\xcf\xd0\xc8\xc4.TXT", "/mnt/a/\xcf\xd0\xc8\xc4.err"},
    };
    for (const auto& [report, list] : cases)
        EXPECT_EQ(errorListName(report).path, list) << report;
    // The stem heads the list (tests/cli); a report X.ERR is refused there too.
    EXPECT_TRUE(listWouldReplaceReport(errorListName("/mnt/a/X.err")));
}

TEST(ErrorList, ReadBackRowByRow)
{
    const std::string list = errorListHeader("/a/B") + "000007 ,9A Gr. slog ,\r\n"
                             + "012345 ,  x\r\n" + std::string(kErrorListFooter);
    struct Case {
        std::string bytes;
        std::vector<std::pair<std::optional<int>, std::string>> rows;
    };
    const Case cases[] = {
        {list, {{7, "9A Gr. slog ,"}, {12345, "  x"}}},
        {errorListHeader("/a/B") + std::string(kErrorListFooter), {}},
        {"000007 ,\r\n", {{7, ""}}},
        {list.substr(0, list.size() - kErrorListFooter.size() - 2),
         {{7, "9A Gr. slog ,"}, {12345, "  x"}}}, // cut short
        {"000003 ,a\n000004 ,x\r\r12 ,b\r\n00000x ,c\n\rLinija 9: 3 znaci namesto 147,",
         {{3, "a"}, {4, "x"}, {{}, "12 ,b"}, {{}, "00000x ,c"}, {{}, "Linija 9: 3 znaci namesto 147,"}}},
        {"", {}},
    };
    // Written numbers of more than one digit (the runs' lists in the tests hold one-digit ones).
    std::string prefixes;
    appendRecordPrefix(prefixes, 25);
    appendRecordPrefix(prefixes, 32767);
    EXPECT_EQ(prefixes, "000025 ,032767 ,");
    for (const Case& c : cases) {
        std::vector<std::pair<std::optional<int>, std::string>> rows;
        for (const ErrorListRow& row : readErrorListRows(c.bytes))
            rows.emplace_back(row.record, std::string(row.text));
        EXPECT_EQ(rows, c.rows) << c.bytes;
    }
}
