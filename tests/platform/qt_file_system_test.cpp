#include "platform/qt_file_system.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace dorvik;
using namespace dorvik::testing;
namespace fs = std::filesystem;

// A folder or a FIFO in place of the file is refused at once, named, and left
// as it is: by the reads that the batch programs share (tests/cli) and by
// the screens' writes under fault injection (tests/faults).
TEST(QtFileSystem, ReplacesWholeKeepsPermissionsAndFingerprintsWhatItWrote)
{
    TempDir dir;
    const std::string path = dir.file("PRIJAVA.TXT");
    writeBytes(path, "old");
    chmod(path.c_str(), 0640);
    QtFileSystem files;
    const ReadResult before = readWhole(files, path);
    EXPECT_EQ(before.status.fingerprint, "3:cba06b5736faf67e54b07b561eae94395e774c517a7d910a54369e1263ccfbd4");
    EXPECT_TRUE(before.status.modified.has_value());

    const std::string bytes("new\0bytes\r\n", 11);
    std::string written;
    EXPECT_EQ(writeWhole(files, path, bytes, &written), std::nullopt);
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_EQ(written, readWhole(files, path).status.fingerprint);
    EXPECT_NE(written, before.status.fingerprint);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    EXPECT_TRUE(readWhole(files, dir.file("missing")).status.missing);
}
