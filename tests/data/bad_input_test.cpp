// Bad report files through the store and the program's own file system, on
// real files: whatever arrives, the store keeps only whole records, says what
// it dropped, and never writes back a file it could not read whole.
#include "data/customer_data_source.h"
#include "platform/qt_file_system.h"

#include "scripted_boxes.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace dorvik;
using dorvik::testing::readBytes;
using dorvik::testing::recordLine;
using dorvik::testing::ScriptedBoxes;
using dorvik::testing::TempDir;
using dorvik::testing::writeBytes;

namespace {

struct Opened {
    ScriptedBoxes boxes;
    std::unique_ptr<CustomerDataSource> store;

    explicit Opened(const std::string& path, FileSystem& files)
    {
        store = std::make_unique<CustomerDataSource>(CustomerDataSource::Options{path, false},
                                                     files, boxes);
    }
    int count() const { return store->rsCustomers.RecordCount(); }
};

std::string records(int count, const char* end = "\r\n")
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(count) * 149);
    for (int i = 0; i < count; ++i)
        bytes += recordLine(i) + end;
    return bytes;
}

} // namespace

TEST(BadInput, BinaryFileKeepsOnlyWholeRecordsAndIsNeverWrittenBack)
{
    TempDir dir;
    QtFileSystem files;
    std::mt19937 random(7);
    std::string noise(1 << 16, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());

    // Noise alone: whatever lines it cuts into, none is a record.
    const std::string path = dir.file("NOISE.BIN");
    writeBytes(path, noise);
    Opened binary(path, files);
    EXPECT_EQ(binary.count(), 0);
    ASSERT_EQ(binary.boxes.shown().size(), 1u);
    EXPECT_EQ(binary.boxes.shown()[0].message.text,
              tooManyBadLinesMessage(0, binary.store->rejectedLines()));
    EXPECT_GT(binary.store->rejectedLines(), 1);
    EXPECT_FALSE(binary.store->WriteToFile());
    EXPECT_EQ(readBytes(path), noise);

    // A record between two runs of noise ending in CR LF is found and kept
    // as it was; saving drops the noise, as the message said it would.
    const std::string mixed = noise + "\r\n" + recordLine(3) + "\r\n" + noise + "\r\n";
    writeBytes(path, mixed);
    Opened around(path, files);
    ASSERT_EQ(around.count(), 1);
    EXPECT_EQ(around.store->rsCustomers.record(0).line(), recordLine(3));
}

TEST(BadInput, EveryByteValueInARecordSurvivesLoadingAndSaving)
{
    TempDir dir;
    QtFileSystem files;
    // NUL bytes, a lone LF, bytes above 127: all are record characters.
    std::string line = recordLine(1);
    for (int i = 0; i < 35; ++i)
        line[fieldOffset(Field::ImePrezime) + i] = static_cast<char>(i * 7 % 256);
    line[fieldOffset(Field::Firma)] = '\n';
    line[fieldOffset(Field::Firma) + 1] = '\xff';
    ASSERT_EQ(line.find('\r'), std::string::npos);
    line[fieldOffset(Field::Firma) + 2] = '\0';
    const std::string path = dir.file("NUL.TXT");
    const std::string bytes = line + "\r\n" + recordLine(2) + "\r\n";
    writeBytes(path, bytes);

    Opened opened(path, files);
    ASSERT_EQ(opened.count(), 2);
    EXPECT_TRUE(opened.boxes.shown().empty());
    ASSERT_TRUE(opened.store->WriteToFile());
    EXPECT_EQ(readBytes(path), bytes);
}

TEST(BadInput, LineEndsOfOtherSystems)
{
    TempDir dir;
    QtFileSystem files;
    const std::string path = dir.file("ENDS.TXT");

    // CR-only line ends are line ends: the file loads normally and is
    // written back with CR LF.
    writeBytes(path, records(3, "\r"));
    Opened cr(path, files);
    EXPECT_EQ(cr.count(), 3);
    EXPECT_TRUE(cr.boxes.shown().empty());
    ASSERT_TRUE(cr.store->WriteToFile());
    EXPECT_EQ(readBytes(path), records(3));

    // LF-only: one long line, no record, told, and the file is never saved.
    writeBytes(path, records(3, "\n"));
    Opened lf(path, files);
    EXPECT_EQ(lf.count(), 0);
    EXPECT_EQ(lf.boxes.messageTexts(), std::vector<std::string>{tooManyBadLinesMessage(0, 1)});
    EXPECT_FALSE(lf.store->WriteToFile());
    EXPECT_EQ(readBytes(path), records(3, "\n"));
}

TEST(BadInput, HundredMegabyteLineIsOneRejectedLine)
{
    TempDir dir;
    QtFileSystem files;
    const std::string path = dir.file("LONG.TXT");
    {
        std::ofstream out(path, std::ios::binary);
        const std::string block(1 << 20, '7');
        for (int i = 0; i < 100; ++i)
            out << block;
        out << "\r\n" << recordLine(1) << "\r\n";
    }
    Opened opened(path, files);
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.store->rejectedLines(), 1);
    // 1 rejected against 1 accepted: the critical message, and no crash.
    EXPECT_EQ(opened.boxes.messageTexts(), std::vector<std::string>{tooManyBadLinesMessage(1, 1)});
}

TEST(BadInput, FortyThousandRecordsKeepTheFirst32767AndNeverSave)
{
    TempDir dir;
    QtFileSystem files;
    const std::string path = dir.file("BIG.TXT");
    const std::string bytes = records(40000);
    writeBytes(path, bytes);
    Opened opened(path, files);
    EXPECT_EQ(opened.count(), kMaxRecords);
    EXPECT_EQ(opened.boxes.messageTexts(), std::vector<std::string>{kRecordLimitMessage});
    EXPECT_FALSE(opened.store->WriteToFile());
    EXPECT_EQ(readBytes(path).size(), bytes.size());
}

TEST(BadInput, FilesThatCannotBeReadAreToldInThePlatformsWords)
{
    TempDir dir;
    QtFileSystem files;

    std::filesystem::create_directory(dir.path() / "FOLDER.TXT");
    Opened folder(dir.file("FOLDER.TXT"), files);
    EXPECT_EQ(folder.count(), 0);
    EXPECT_EQ(folder.boxes.messageTexts(), std::vector<std::string>{"Is a directory"});
    EXPECT_EQ(folder.boxes.shown()[0].message.title, "Dorvik");
    EXPECT_FALSE(folder.store->WriteToFile());
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "FOLDER.TXT"));

    // A file that opens but fails while it is read.
    Opened failing("/proc/self/mem", files);
    EXPECT_EQ(failing.count(), 0);
    EXPECT_EQ(failing.boxes.messageTexts(), std::vector<std::string>{"Input/output error"});
    EXPECT_FALSE(failing.store->WriteToFile());

    // Without read permission (root reads everything, so only as a user).
    if (geteuid() != 0) {
        const std::string locked = dir.file("LOCKED.TXT");
        writeBytes(locked, records(2));
        ::chmod(locked.c_str(), 0);
        Opened refused(locked, files);
        EXPECT_EQ(refused.count(), 0);
        EXPECT_EQ(refused.boxes.messageTexts(), std::vector<std::string>{"Permission denied"});
        EXPECT_FALSE(refused.store->WriteToFile());
        ::chmod(locked.c_str(), 0600);
        EXPECT_EQ(readBytes(locked), records(2));
    }
}

TEST(BadInput, NamesWithBlanksAndNonAsciiCharacters)
{
    TempDir dir;
    QtFileSystem files;
    std::filesystem::create_directory(dir.path() / "моја папка");
    const std::string path = dir.file("моја папка/ПРИЈАВА за 2003.TXT");
    writeBytes(path, records(2, "\r"));
    Opened opened(path, files);
    EXPECT_EQ(opened.count(), 2);
    ASSERT_TRUE(opened.store->WriteToFile());
    EXPECT_EQ(readBytes(path), records(2));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "моја папка"),
                            std::filesystem::directory_iterator()),
              1);
}
