// Loading a file that arrives in blocks gives the store exactly what loading
// it whole gives, wherever the blocks are cut.
#include "data/customer_data_source.h"
#include "data/line_cutter.h"

#include "memory_file_system.h"
#include "scripted_boxes.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace dorvik;
using dorvik::testing::MemoryFileSystem;
using dorvik::testing::recordLine;
using dorvik::testing::ScriptedBoxes;

namespace {

const std::string kPath = "/media/a/PRIJAVA.TXT";

// A line as the store sees it: its length, and its bytes when it can be a record.
struct Line {
    std::uint64_t length;
    std::string text;
    friend bool operator==(const Line&, const Line&) = default;
};

std::vector<Line> wholeLines(std::string_view bytes)
{
    // A line ends at CR LF or a lone CR.
    std::vector<Line> lines;
    const auto add = [&](std::string_view line) {
        lines.push_back({line.size(), line.size() <= LineCutter::kKept ? std::string(line) : ""});
    };
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t cr = bytes.find('\r', start);
        if (cr == std::string_view::npos) {
            add(bytes.substr(start));
            break;
        }
        add(bytes.substr(start, cr - start));
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

// The bytes cut at the given offsets into blocks.
std::vector<Line> cutLines(std::string_view bytes, const std::vector<std::size_t>& cuts)
{
    std::vector<Line> lines;
    const auto take = [&](std::string_view line, std::uint64_t length) {
        lines.push_back({length, length <= LineCutter::kKept ? std::string(line) : ""});
        return true;
    };
    LineCutter cutter;
    std::size_t from = 0;
    for (const std::size_t cut : cuts) {
        cutter.feed(bytes.substr(from, cut - from), take);
        from = cut;
    }
    cutter.feed(bytes.substr(from), take);
    cutter.finish(take);
    return lines;
}

// Files handed over in blocks of a fixed size; optionally the read fails
// after a number of blocks, as a disk does part way.
class BlockFileSystem : public MemoryFileSystem {
public:
    std::size_t blockSize = 64;
    int failAfterBlocks = -1;
    std::string failure = "Input/output error";

    static ReadStatus failed(std::string error)
    {
        ReadStatus status;
        status.ok = false;
        status.error = std::move(error);
        return status;
    }

    ReadStatus readBlocks(const std::string& path, ByteSink& sink) override
    {
        const auto it = files.find(path);
        if (it == files.end())
            return failed("No such file or directory");
        const std::string_view bytes = it->second;
        int blocks = 0;
        for (std::size_t at = 0; at < bytes.size(); at += blockSize) {
            if (blocks++ == failAfterBlocks)
                return failed(failure);
            if (!sink.consume(bytes.substr(at, blockSize)))
                break;
        }
        return {};
    }
};

// What a load leaves: the records, the counts, the boxes.
struct Outcome {
    std::vector<std::string> records;
    std::int64_t accepted, rejected;
    bool complete;
    std::vector<std::string> messages;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

Outcome load(FileSystem& fs)
{
    ScriptedBoxes boxes;
    CustomerDataSource store({kPath, false}, fs, boxes);
    Outcome outcome{{}, store.acceptedLines(), store.rejectedLines(), store.loadedCompletely(),
                    boxes.messageTexts()};
    for (int i = 0; i < store.rsCustomers.RecordCount(); ++i)
        outcome.records.push_back(store.rsCustomers.record(i).line());
    return outcome;
}

Outcome loadWhole(const std::string& bytes, const std::string& readError = {})
{
    MemoryFileSystem fs;
    fs.files[kPath] = bytes;
    fs.readError = readError;
    return load(fs);
}

Outcome loadInBlocks(const std::string& bytes, std::size_t blockSize, int failAfterBlocks = -1)
{
    BlockFileSystem fs;
    fs.files[kPath] = bytes;
    fs.blockSize = blockSize;
    fs.failAfterBlocks = failAfterBlocks;
    return load(fs);
}

const std::string kA = recordLine(1), kB = recordLine(2), kC = recordLine(3);

} // namespace

TEST(LineCutter, CutsLikeTheWholeFileWhereverTheBlocksEnd)
{
    const std::vector<std::string> samples = {
        kA + "\r\n" + kB + "\r" + kC,             // CR LF, a lone CR, no end at the end
        "\r\n\r\r\n\n\r",                         // empty lines; LF after LF is a byte
        kA + "\n" + kB + "\r\n",                  // a lone LF inside a line
        kA + kB + "\r\n" + kC + "\r\n",           // a line far over the record's length
        kA + " \r\n" + kA.substr(0, 146) + "\r",  // one byte over and one under
        "\n" + kA + "\r\n\r\n",
        "",
    };
    for (const std::string& bytes : samples) {
        const std::vector<Line> expected = wholeLines(bytes);
        // Two blocks, cut at every place, CR and LF split included.
        for (std::size_t cut = 0; cut <= bytes.size(); ++cut)
            ASSERT_EQ(cutLines(bytes, {cut}), expected) << "cut at " << cut;
        // Every byte a block of its own, and empty blocks between.
        std::vector<std::size_t> everyByte;
        for (std::size_t at = 0; at <= bytes.size(); ++at) {
            everyByte.push_back(at);
            everyByte.push_back(at);
        }
        EXPECT_EQ(cutLines(bytes, everyByte), expected);
    }
}

TEST(StoreLoading, BlocksOfAnySizeLoadLikeTheWholeFile)
{
    std::string bytes;
    for (int i = 0; i < 40; ++i)
        bytes += recordLine(i) + (i % 7 == 3 ? "\r" : "\r\n");
    bytes += std::string(300, 'x') + "\r\n" + kA.substr(0, 146) + "\r\n\r\n" + kB;
    const Outcome whole = loadWhole(bytes);
    ASSERT_EQ(whole.records.size(), 41u);
    ASSERT_EQ(whole.rejected, 3);
    // 148 ends a block right after the CR of a 149-byte line, its LF
    // starting the next.
    for (const std::size_t size : {1, 2, 147, 148, 149, 150, 4096, 1 << 16})
        EXPECT_EQ(loadInBlocks(bytes, size), whole) << "blocks of " << size;
}

TEST(StoreLoading, AFailurePartWayKeepsTheRecordsReadSoFar)
{
    std::string bytes;
    for (int i = 0; i < 10; ++i)
        bytes += recordLine(i) + "\r\n";
    // Three blocks of 200 bytes reach into the fifth line, which is then
    // the last, cut short.
    const Outcome partial = loadInBlocks(bytes, 200, 3);
    EXPECT_EQ(partial, loadWhole(bytes.substr(0, 600), "Input/output error"));
    EXPECT_EQ(partial.records.size(), 4u);
    EXPECT_EQ(partial.rejected, 1);
    EXPECT_FALSE(partial.complete);
    EXPECT_EQ(partial.messages, std::vector<std::string>{"Input/output error"});
}

TEST(StoreLoading, TheRecordLimitInBlocksAndAFailureAfterIt)
{
    std::string bytes;
    for (int i = 0; i < kMaxRecords + 3; ++i)
        bytes += kA + "\r\n";
    const Outcome whole = loadWhole(bytes);
    EXPECT_EQ(loadInBlocks(bytes, 1 << 16), whole);
    EXPECT_EQ(whole.messages, std::vector<std::string>{kRecordLimitMessage});

    // The rest of the file is still read: a failure there is what the user
    // hears of, as when the file is read whole.
    const std::size_t blocks = bytes.size() / 4096;
    EXPECT_EQ(loadInBlocks(bytes, 4096, static_cast<int>(blocks)),
              loadWhole(bytes.substr(0, blocks * 4096), "Input/output error"));
}
