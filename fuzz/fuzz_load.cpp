// Loads a report file made of arbitrary bytes, handed over in blocks of
// changing sizes so that line ends fall on every side of a block's edge. A
// store that loaded the whole file must save exactly its record lines, each
// ended by CR LF; one that did not must refuse to save and leave the file
// alone.
#include "data/customer_data_source.h"
#include "fuzz_support.h"
#include "memory_file_system.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace dorvik;

namespace {

const std::string kPath = "/diskette/PRIJAVA.TXT";

// The lines the store should have taken, told from the bytes the plain way:
// a line ends at CR (with an LF after it swallowed) or at the end of the
// file, a record line is exactly 147 bytes long.
struct Expected {
    std::string saved;
    std::int64_t accepted = 0;
    std::int64_t rejected = 0;
};

Expected expectedFrom(std::string_view bytes)
{
    Expected e;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t cr = std::min(bytes.find('\r', at), bytes.size());
        const std::string_view line = bytes.substr(at, cr - at);
        if (line.size() == 147) {
            e.saved.append(line).append("\r\n");
            ++e.accepted;
        } else {
            ++e.rejected;
        }
        at = cr + 1;
        if (at < bytes.size() && bytes[at] == '\n')
            ++at;
    }
    return e;
}

// Hands a file over in blocks whose sizes cycle through short ones and ones
// about a line long, starting at a place the input's size picks; the size is
// told beforehand for every other input, as a real file system does only
// for regular files.
class BlockFileSystem : public testing::MemoryFileSystem {
public:
    ReadStatus readBlocks(const std::string& path, ByteSink& sink) override
    {
        static constexpr std::size_t kSizes[] = {1, 2, 146, 147, 148, 149, 3, 150, 7, 300, 4096};
        constexpr std::size_t kCount = sizeof kSizes / sizeof kSizes[0];
        const std::string& bytes = files.at(path);
        if (bytes.size() % 2 == 0)
            sink.expectSize(bytes.size());
        std::size_t next = bytes.size() % kCount;
        for (std::size_t at = 0; at < bytes.size(); next = (next + 1) % kCount) {
            const std::size_t n = std::min(kSizes[next], bytes.size() - at);
            if (!sink.consume(std::string_view(bytes).substr(at, n)))
                break;
            at += n;
        }
        return {};
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    BlockFileSystem files;
    files.files[kPath] = bytes;
    fuzz::ConfirmingBoxes boxes;
    CustomerDataSource store({kPath, false}, files, boxes);

    const Expected expected = expectedFrom(bytes);
    FUZZ_REQUIRE(store.acceptedLines() == expected.accepted);
    FUZZ_REQUIRE(store.rejectedLines() == expected.rejected);
    FUZZ_REQUIRE(store.rsCustomers.RecordCount() == expected.accepted);
    FUZZ_REQUIRE(store.loadedCompletely() == !(expected.accepted == 0 && expected.rejected > 0));

    // A walk over the table reads every record back as it was loaded.
    std::string walked;
    for (bool on = store.rsCustomers.MoveFirst(); on && store.rsCustomers.hasCurrent();
         on = store.rsCustomers.MoveNext()) {
        for (int f = 0; f < kFieldCount; ++f)
            walked += store.rsCustomers.field(static_cast<Field>(f));
        walked += "\r\n";
    }
    FUZZ_REQUIRE(walked == expected.saved);

    const bool saved = store.WriteToFile();
    FUZZ_REQUIRE(saved == store.loadedCompletely());
    if (saved)
        FUZZ_REQUIRE(files.files[kPath] == expected.saved);
    else
        FUZZ_REQUIRE(files.files[kPath] == bytes);
    FUZZ_REQUIRE(store.rsCustomers.Eof());
    return 0;
}
