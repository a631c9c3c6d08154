// The batch check run over arbitrary records: the input is cut into records
// of 147 bytes (CR, and LF right after a CR, dropped first, so that the
// report files of the seed corpus read as their records and a mutation keeps
// the rest in step). Every box is confirmed; the list is written to memory
// and must keep its shape whatever the records hold.
#include "check/check_run.h"
#include "check/store_check_view.h"
#include "data/customer_data_source.h"
#include "fuzz_support.h"
#include "memory_file_system.h"
#include "platform/clock.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace dorvik;

namespace {

const std::string kReport = "/diskette/PRIJAVA.TXT";
const std::string kList = "/diskette/PRIJAVA.err";
const std::string kRule(79, '_');

std::vector<std::string> splitCrLf(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            return lines;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte picks today's year, 1990 to 2089.
    if (size < 1)
        return 0;
    const int thisYear = 1990 + data[0] % 100;
    std::string records;
    records.reserve(size);
    const std::string_view in(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (std::size_t at = 0; at < in.size();) {
        const std::size_t cr = std::min(in.find('\r', at), in.size());
        records.append(in.substr(at, cr - at));
        at = cr + 1;
        if (at < in.size() && in[at] == '\n')
            ++at;
    }
    records.resize(records.size() - records.size() % kRecordLength);
    std::string file;
    for (std::size_t at = 0; at < records.size(); at += kRecordLength)
        file += records.substr(at, kRecordLength) + "\r\n";
    const int count = static_cast<int>(records.size() / kRecordLength);

    testing::MemoryFileSystem files;
    files.files[kReport] = file;
    fuzz::ConfirmingBoxes boxes;
    CustomerDataSource store({kReport, false}, files, boxes);
    FUZZ_REQUIRE(store.rsCustomers.RecordCount() == count);
    FUZZ_REQUIRE(store.loadedCompletely());

    StoreCheckView view(store.rsCustomers);
    const FixedClock clock{std::chrono::year{thisYear} / std::chrono::June / 15};
    const CheckRunResult result = runCheck(store, view, boxes, files, clock);
    FUZZ_REQUIRE(result.verdict == CheckVerdict::Passed || result.verdict == CheckVerdict::Failed);
    FUZZ_REQUIRE(result.listPath == kList);
    FUZZ_REQUIRE(store.rsCustomers.Eof());
    FUZZ_REQUIRE(files.files[kReport] == file); // the run never writes the report

    const std::string& list = files.files[kList];
    FUZZ_REQUIRE(list.size() >= kRule.size() + 2);
    FUZZ_REQUIRE(list.compare(list.size() - kRule.size() - 2, std::string::npos, kRule + "\r\n") == 0);
    std::vector<std::string> lines = splitCrLf(list);
    FUZZ_REQUIRE(lines.back().empty());
    lines.pop_back();
    // Thirteen lines of header, the record lines, the closing rule.
    FUZZ_REQUIRE(lines.size() >= 14);
    FUZZ_REQUIRE(lines[0] == "ELMARIN");
    FUZZ_REQUIRE(lines[12] == kRule);
    int previous = 0;
    for (std::size_t i = 13; i + 1 < lines.size(); ++i) {
        const std::string& line = lines[i];
        FUZZ_REQUIRE(line.size() >= 8);
        for (int d = 0; d < 6; ++d)
            FUZZ_REQUIRE(isDigit(line[d]));
        FUZZ_REQUIRE(line.compare(6, 2, " ,") == 0);
        const int number = std::stoi(line.substr(0, 6));
        FUZZ_REQUIRE(number > previous && number <= count);
        previous = number;
    }
    const std::size_t listed = lines.size() - 14;
    if (result.verdict == CheckVerdict::Failed)
        FUZZ_REQUIRE(listed > 0);
    FUZZ_REQUIRE(boxes.texts.front() == kCheckQuestion);
    FUZZ_REQUIRE(boxes.texts.back() == (result.verdict == CheckVerdict::Passed ? kCheckPassedMessage
                                                                               : kCheckFailedMessage));
    return 0;
}
