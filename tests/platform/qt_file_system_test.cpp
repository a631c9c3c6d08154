#include "platform/qt_file_system.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace dorvik;
using dorvik::testing::readBytes;
using dorvik::testing::TempDir;
using dorvik::testing::writeBytes;
namespace fs = std::filesystem;

namespace {
std::string save(FileSystem& files, const std::string& path, std::string_view bytes)
{
    std::string error;
    auto out = files.openForWrite(path, error);
    if (!out)
        return error;
    if (!out->write(bytes) || !out->commit())
        return out->errorString();
    return {};
}

size_t entries(const fs::path& dir)
{
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}
} // namespace

TEST(QtFileSystem, ReplacesWholeAndKeepsPermissions)
{
    TempDir dir;
    const std::string path = dir.file("PRIJAVA.TXT");
    writeBytes(path, "old");
    chmod(path.c_str(), 0640);
    QtFileSystem files;
    EXPECT_EQ(save(files, path, std::string("new\0bytes\r\n", 11)), "");
    EXPECT_EQ(readBytes(path), std::string("new\0bytes\r\n", 11));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(QtFileSystem, FailuresLeaveTheOldFileAndNoTemporary)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    TempDir dir;
    const std::string path = dir.file("PRIJAVA.TXT");
    writeBytes(path, "old");
    chmod(dir.path().c_str(), 0555);
    QtFileSystem files;
    EXPECT_NE(save(files, path, "new"), "");
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(QtFileSystem, AFolderInPlaceOfTheFileIsAFailure)
{
    TempDir dir;
    const std::string path = dir.file("PRIJAVA.TXT");
    fs::create_directory(path);
    QtFileSystem files;
    EXPECT_EQ(save(files, path, "new"), "Is a directory");
    EXPECT_TRUE(fs::is_directory(path));

    const ReadResult read = readWhole(files, path);
    EXPECT_FALSE(read.status.ok);
    EXPECT_EQ(read.status.error, "Is a directory");

    EXPECT_NE(save(files, dir.file("gone/X.TXT"), "new"), "");
    EXPECT_TRUE(readWhole(files, dir.file("missing")).status.missing);
}
