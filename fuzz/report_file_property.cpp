// A report file's bytes through the store and the check run, against a model
// of the rules written out here: a line ends at CR LF, a lone CR or a lone
// LF; a record is a line of 147 bytes; every other non-empty line, and
// every line end but CR LF, fails the check.
#include "check/check_run.h"
#include "check/error_list.h"
#include "check/store_check_view.h"
#include "memory_file_system.h"
#include "platform/clock.h"
#include "platform/user_boxes.h"
#include "properties.h"
#include "records.h"

#include <algorithm>
#include <map>
#include <span>

namespace dorvik::fuzz {

namespace {

const std::string kPath = "/diskette/PRIJAVA.TXT";

// Keeps every box's text ("!" before a finding's) and answers questions as told.
struct Boxes : UserBoxes {
    std::vector<std::string> shown;
    Answer yesNo = Answer::Yes;
    Answer message(const MessageRequest& r) override
    {
        shown.push_back((r.finding ? "!" : "") + r.text);
        return r.buttons == Buttons::YesNo ? yesNo : Answer::Ok;
    }
    std::string input(const InputRequest&) override { return {}; }
    std::string openFile(const FileDialogRequest&) override { return {}; }
    std::string saveFile(const FileDialogRequest&) override { return {}; }
};

// A run's view that lends no record line: the rules read field by field.
struct FieldByField : StoreCheckView {
    using StoreCheckView::StoreCheckView;
    std::string_view recordLine() override { return {}; }
};

} // namespace

void reportFileProperty(std::string_view input)
{
    if (input.size() < 4)
        return;
    const auto byte = [&](int i) { return static_cast<unsigned char>(input[i]); };
    const std::string bytes(input.substr(4));
    const unsigned failAfter = byte(2) >> 3;
    testing::MemoryFileSystem files;
    files.files[kPath] = bytes;
    files.blockSize = byte(1);
    files.failReadAfterBlocks = failAfter < 4 ? static_cast<int>(failAfter) : -1;
    Boxes boxes;
    CustomerDataSource store({kPath, false}, files, boxes);
    files.failReadAfterBlocks = -1;

    // The lines handed over before a failure (when the file has that many blocks).
    const std::size_t block = byte(1) == 0 ? bytes.size() + 1 : byte(1);
    const bool failed = failAfter < 4 && failAfter * block < bytes.size() + block;
    std::vector<std::string> records;
    std::int64_t otherEnds = 0, firstOtherEnd = 0;
    std::vector<std::string> faultLines; // the list's lines after the records'
    const std::string handed = bytes.substr(0, failed ? failAfter * block : bytes.size());
    std::int64_t number = 0;
    for (std::size_t at = 0, end; at < handed.size(); at = end + (handed.substr(end, 2) == "\r\n" ? 2 : 1)) {
        end = std::min(handed.find_first_of("\r\n", at), handed.size());
        const std::string line = handed.substr(at, end - at);
        ++number;
        // A CR that is the last byte read ends its line whatever follows.
        if (end < handed.size() && handed.substr(end, 2) != "\r\n" && otherEnds++ == 0)
            firstOtherEnd = number;
        if (line.size() == 147)
            records.push_back(line);
        else if (!line.empty())
            faultLines.push_back("Linija " + std::to_string(number) + ": " + std::to_string(line.size())
                                 + " znaci namesto 147,");
    }
    const auto accepted = static_cast<std::int64_t>(records.size()), rejected = number - accepted;
    const auto rejectedNonEmpty = static_cast<std::int64_t>(faultLines.size());
    if (otherEnds > 0)
        faultLines.push_back(std::to_string(otherEnds) + " linii ne zavrsuvaat so CR LF (prvata: linija "
                             + std::to_string(firstOtherEnd) + "); Snimi gi zapisuva so CR LF,");
    const bool complete = !failed && (accepted > 0 || rejectedNonEmpty == 0);
    FUZZ_REQUIRE(store.acceptedLines() == accepted && store.rejectedLines() == rejected);
    FUZZ_REQUIRE(store.loadedCompletely() == complete);
    const bool summary = !failed && (rejectedNonEmpty > 0 || (rejected > 0 && accepted > 0));
    const bool endsTold = !failed && otherEnds > 0;
    FUZZ_REQUIRE(boxes.shown.size() == std::size_t{failed || summary} + std::size_t{endsTold});
    FUZZ_REQUIRE(!failed || boxes.shown[0] == kPath + ": " + files.readError);
    FUZZ_REQUIRE(!summary || boxes.shown[0] == (rejected * 10 >= accepted
                                                    ? tooManyBadLinesMessage(accepted, rejected)
                                                    : someBadLinesMessage(accepted, rejected)));
    FUZZ_REQUIRE(!endsTold || boxes.shown.back() == otherLineEndsMessage(store.fileFaults()));

    // The first record's field takes the file's first bytes, unless too long or holding a CR or LF.
    Recordset& rs = store.rsCustomers;
    const Field field = static_cast<Field>(byte(3) % 15);
    const auto width = static_cast<std::size_t>(fieldWidth(field));
    const std::string value = bytes.substr(0, byte(3) / 15);
    const bool takes = value.size() <= width && value.find_first_of("\r\n") == std::string::npos && accepted;
    rs.MoveFirst();
    FUZZ_REQUIRE(rs.setField(field, value) == takes);
    if (takes)
        records[0].replace(fieldOffset(field), width, value + std::string(width - value.size(), ' '));

    // Two saves after the file on the disk changed, vanished or stayed.
    if ((byte(2) & 3) == 1)
        files.files[kPath] += 'x';
    if ((byte(2) & 3) == 2)
        files.files.erase(kPath);
    std::map<std::string, std::string> disk = files.files;
    std::string file, known = bytes;
    for (const std::string& r : records)
        file += r + "\r\n";
    for (int save = 0; save < 2; ++save) {
        boxes.shown.clear();
        boxes.yesNo = save == 0 && (byte(2) & 4) ? Answer::No : Answer::Yes;
        const bool saved = store.WriteToFile();
        const auto there = disk.find(kPath);
        const bool asked = complete && there != disk.end() && there->second != known;
        const bool writes = complete && (!asked || boxes.yesNo == Answer::Yes);
        FUZZ_REQUIRE(saved == writes && (!saved || !store.hasUnsavedChanges()));
        if (writes && rejectedNonEmpty > 0 && !disk.contains(kPath + ".bak") && there != disk.end())
            disk[kPath + ".bak"] = there->second;
        if (writes) {
            disk[kPath] = known = file;
            faultLines.clear(); // the file is records alone now
        }
        FUZZ_REQUIRE(files.files == disk);
        const char* box = !complete ? kIncompleteSaveMessage : asked ? kChangedOnDiskQuestion : nullptr;
        FUZZ_REQUIRE(boxes.shown == (box ? std::vector<std::string>{box} : std::vector<std::string>{}));
    }

    // The check run, by the records' lines and (given records) field by field, the same.
    const FixedClock clock{std::chrono::year{1990 + byte(0) % 100} / std::chrono::June / 15};
    StoreCheckView byLine(rs);
    FieldByField byField(rs);
    StoreCheckView* views[] = {&byLine, &byField};
    std::string list;
    for (StoreCheckView* view : std::span(views, accepted ? 2 : 1)) {
        const std::vector<std::string> before = boxes.shown;
        boxes.shown.clear();
        const CheckRunResult result = runCheck(store, *view, boxes, files, clock);
        FUZZ_REQUIRE(result.listPath == "/diskette/PRIJAVA.err" && rs.Eof());
        FUZZ_REQUIRE(view == &byLine || (boxes.shown == before && files.files[result.listPath] == list));
        list = files.files[result.listPath];
        files.files.erase(result.listPath);
        FUZZ_REQUIRE(files.files == disk);

        // Thirteen lines of header, a line per record listed in rising order,
        // the lines for what the file holds besides records, the closing
        // rule; read back, the list gives those lines whole.
        const std::vector<std::string> lines = testing::linesOf(list);
        FUZZ_REQUIRE(lines.size() >= 14 + faultLines.size() && lines[0] == "ELMARIN" && lines[12] == lines.back());
        FUZZ_REQUIRE(list.ends_with(std::string(79, '_') + "\r\n"));
        std::vector<ErrorListRow> rows = readErrorListRows(list);
        FUZZ_REQUIRE(rows.size() == lines.size() - 14);
        for (std::size_t i = 0; i < faultLines.size(); ++i) {
            const ErrorListRow& row = rows[rows.size() - faultLines.size() + i];
            FUZZ_REQUIRE(!row.record && row.text == faultLines[i]);
        }
        rows.resize(rows.size() - faultLines.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            FUZZ_REQUIRE(rows[i].record);
            const int n = *rows[i].record;
            FUZZ_REQUIRE(n > (i ? *rows[i - 1].record : 0) && n <= accepted);
            FUZZ_REQUIRE(lines[13 + i] == std::to_string(1000000 + n).substr(1) + " ," + std::string(rows[i].text));
        }
        // Only findings between the question and the verdict; a file not read
        // completely, or with lines besides records, fails; a failed run
        // lists something.
        const bool passed = result.verdict == CheckVerdict::Passed;
        FUZZ_REQUIRE((passed || result.verdict == CheckVerdict::Failed)
                     && (complete ? passed || !rows.empty() || !faultLines.empty() : !passed)
                     && (faultLines.empty() || !passed));
        FUZZ_REQUIRE(boxes.shown.front() == kCheckQuestion && boxes.shown.size() >= 2 + rows.size());
        FUZZ_REQUIRE(boxes.shown.back() == (passed ? kCheckPassedMessage : kCheckFailedMessage));
        for (std::size_t i = 1; i + 1 < boxes.shown.size(); ++i)
            FUZZ_REQUIRE(boxes.shown[i][0] == '!');
    }
}

} // namespace dorvik::fuzz
