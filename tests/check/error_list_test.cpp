#include "check/check_run.h"
#include "check/error_list.h"

#include "memory_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace dorvik {
namespace {

TEST(ErrorListName, LosesTheLastFourCharactersOfTheNormalisedAbsolutePath)
{
    EXPECT_EQ(errorListName("/mnt/a/PRIJAVA.TXT").path, "/mnt/a/PRIJAVA.err");
    EXPECT_EQ(errorListName("/mnt/a/PRIJAVA").path, "/mnt/a/PRI.err"); // no extension: four go all the same
    EXPECT_EQ(errorListName("/mnt/./a/../b/PRIJAVA.txt").path, "/mnt/b/PRIJAVA.err");
    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_EQ(errorListName("PRIJAVA.TXT").path, cwd + "/PRIJAVA.err");
    EXPECT_EQ(errorListName("x/../PRIJAVA.TXT").path, cwd + "/PRIJAVA.err");

    const ErrorListName name = errorListName("/mnt/a/PRIJAVA.TXT");
    EXPECT_EQ(name.stem, "/mnt/a/PRIJAVA");
    EXPECT_EQ(name.reportPath, "/mnt/a/PRIJAVA.TXT");
}

TEST(ErrorListName, NeverReachesIntoTheFolderNorCutsACharacter)
{
    // Four characters or fewer: the whole path, then ".err".
    EXPECT_EQ(errorListName("/mnt/a/ABCD").stem, "/mnt/a/ABCD");
    EXPECT_EQ(errorListName("/mnt/a/ABCD").path, "/mnt/a/ABCD.err");
    EXPECT_EQ(errorListName("/mnt/a/X").path, "/mnt/a/X.err");
    EXPECT_EQ(errorListName("/mnt/a/\u0436\u0436\u0436\u0436").path, "/mnt/a/\u0436\u0436\u0436\u0436.err");
    EXPECT_EQ(errorListName("/mnt/a/ABCDE").path, "/mnt/a/A.err");
    // UTF-8 characters count as one each.
    EXPECT_EQ(errorListName("/mnt/a/\u043f\u0440\u0438\u0458\u0430\u0432\u0430.\u0442\u0445\u0442").path,
              "/mnt/a/\u043f\u0440\u0438\u0458\u0430\u0432\u0430.err");
    EXPECT_EQ(errorListName("/mnt/a/\u0453\u0430\u0431\u0432\u0433").path, "/mnt/a/\u0453.err");
    // Bytes that are no UTF-8 count one each.
    EXPECT_EQ(errorListName("/mnt/a/\xcf\xd0\xc8\xc4.TXT").path, "/mnt/a/\xcf\xd0\xc8\xc4.err");
}

TEST(ErrorListName, WouldReplaceTheReportOnlyWhenItIsNamedLikeTheList)
{
    EXPECT_TRUE(listWouldReplaceReport(errorListName("/mnt/a/X.err")));
    EXPECT_TRUE(listWouldReplaceReport(errorListName("/mnt/a/X.ERR")));
    EXPECT_TRUE(listWouldReplaceReport(errorListName("/mnt/a/PRIJAVA.Err")));
    EXPECT_FALSE(listWouldReplaceReport(errorListName("/mnt/a/X.er")));
    EXPECT_FALSE(listWouldReplaceReport(errorListName("/mnt/a/.err")));
    EXPECT_FALSE(listWouldReplaceReport(errorListName("/mnt/a/PRIJAVA.TXT")));
}

TEST(ErrorListContent, PrefixesHeaderAndFooter)
{
    std::string prefixes;
    for (int record : {1, 25, 1234, 32767})
        appendRecordPrefix(prefixes, record);
    EXPECT_EQ(prefixes, "000001 ,000025 ,001234 ,032767 ,");

    const std::string expected = "ELMARIN\r\n"
                                 "A  R  H  I  V  A\r\n"
                                 "_______________\r\n"
                                 "\r\n\r\n\r\n"
                                 "Kontrola na podatocite na datotekata:\r\n"
                                 "A:/PRIJAVA\r\n"
                                 "\r\n\r\n\r\n"
                                 "Slog # ,  Opis na greskite...\r\n"
                                 "_______________________________________________________________________________\r\n";
    EXPECT_EQ(errorListHeader("A:/PRIJAVA"), expected);
    EXPECT_EQ(kErrorListFooter, "_______________________________________________________________________________\r\n");
}

TEST(ErrorListWriter, WritesEverythingOnCloseAndNothingOnAFailure)
{
    testing::MemoryFileSystem files;
    files.files["/l.err"] = "earlier";
    {
        ErrorListWriter list;
        ASSERT_TRUE(list.open(files, "/l.err", "/l"));
        // Many lines: more than one block reaches the file.
        for (int i = 0; i < 5000; ++i)
            ASSERT_TRUE(list.writeLine("000001 ,0123456789 Gr. mod 10 ,"));
        EXPECT_EQ(files.files["/l.err"], "earlier");
        ASSERT_TRUE(list.close());
    }
    const std::string& written = files.files["/l.err"];
    EXPECT_EQ(written.size(), errorListHeader("/l").size() + 5000 * 33 + 81);
    EXPECT_EQ(written.substr(written.size() - 81), kErrorListFooter);

    files.files["/l.err"] = "earlier";
    files.commitError = "No space left on device";
    {
        ErrorListWriter list;
        ASSERT_TRUE(list.open(files, "/l.err", "/l"));
        EXPECT_FALSE(list.close());
        EXPECT_EQ(list.error(), "No space left on device");
    }
    EXPECT_EQ(files.files["/l.err"], "earlier");
}

} // namespace
} // namespace dorvik
