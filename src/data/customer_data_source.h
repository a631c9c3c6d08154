// The in-memory record store over one report file: loads the file, holds its
// records with a cursor, and rewrites the whole file on save.
#pragma once

#include "data/report_record.h"
#include "platform/large_block.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

class FileSystem;
class UserBoxes;

// A file holds at most this many records (the counts are 16-bit).
inline constexpr int kMaxRecords = 32767;

// The record table's memory comes from the platform's large-block
// allocator: a full file's table is then mapped in a few page faults.
template <typename T>
struct RecordTableAllocator {
    using value_type = T;
    RecordTableAllocator() = default;
    template <typename U>
    RecordTableAllocator(const RecordTableAllocator<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(allocateLargeBlock(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { freeLargeBlock(p, n * sizeof(T)); }
    friend bool operator==(const RecordTableAllocator&, const RecordTableAllocator&) { return true; }
};

using RecordTable = std::vector<ReportRecord, RecordTableAllocator<ReportRecord>>;

// The record set: the ordered table of records with one cursor. The cursor
// stands on a record, before the first one, or after the last one (EOF).
class Recordset {
public:
    // Moves report failure by returning false: MoveNext at EOF, MovePrevious
    // before the first record, MoveFirst/MoveLast on an empty table.
    bool MoveFirst();
    bool MoveLast();
    bool MoveNext();
    bool MovePrevious();
    // Moves straight to the record at a 0-based index; false when out of range.
    bool MoveTo(int index);

    bool Eof() const { return cursor_ >= static_cast<int>(records_.size()); }
    bool Bof() const { return cursor_ < 0; }
    bool hasCurrent() const { return !Eof() && !Bof(); }
    int RecordCount() const { return static_cast<int>(records_.size()); }
    // 0-based index of the current record (-1 before the first, RecordCount() at EOF).
    int cursor() const { return cursor_; }

    // Appends a record with no values and makes it current and pending.
    // Refused (false) when the table already holds kMaxRecords records.
    bool AddNew();
    // Sets a field of the current record; false when there is no current
    // record or the value is longer than the field's width.
    bool setField(Field f, std::string_view value);
    bool setField(std::string_view name, std::string_view value);
    // The current record's value, or the empty text with no current record.
    std::string_view field(Field f) const;
    // The current record's whole line without a copy, when there is a
    // current record and every one of its fields holds a value; else the
    // empty text.
    std::string_view currentLine() const
    {
        return hasCurrent() ? records_[cursor_].fullLine() : std::string_view{};
    }
    void Update();
    void CancelUpdate();
    bool pending() const { return pendingNew_ || pendingEdit_.has_value(); }

    const ReportRecord& record(int index) const { return records_[index]; }
    const RecordTable& records() const { return records_; }

    // Called after every change of the current record (moves, AddNew, a
    // cancelled new record), so that bound boxes can refresh.
    int addCursorListener(std::function<void()> listener);
    void removeCursorListener(int id);

private:
    friend class CustomerDataSource;
    void setCursor(int cursor);
    void notify();

    RecordTable records_;
    int cursor_ = 0;
    bool pendingNew_ = false;
    int cursorBeforeNew_ = 0;
    std::optional<ReportRecord> pendingEdit_;
    std::vector<std::pair<int, std::function<void()>>> listeners_;
    int nextListenerId_ = 1;
};

class CustomerDataSource {
public:
    struct Options {
        std::string fileName;       // the report file, fixed for the store's life
        bool newReportFile = false; // just created empty: read nothing
    };

    // Creates the store and loads the file, telling the user through boxes
    // about lines of the wrong length and about failures.
    CustomerDataSource(Options options, FileSystem& fs, UserBoxes& boxes);

    Recordset rsCustomers;

    // Rewrites the report file from the table, one line per record with CR LF,
    // through a safe replace. Returns false after telling the user why.
    // Afterwards the cursor stands after the last record.
    bool WriteToFile();

    const std::string& fileName() const { return fileName_; }
    // False when the load stopped short (read failure, the record limit, or a
    // file of lines none of which was a record); such a store never saves.
    bool loadedCompletely() const { return complete_; }
    std::int64_t acceptedLines() const { return accepted_; }
    std::int64_t rejectedLines() const { return rejected_; }

    // The composed file contents: every record's line followed by CR LF.
    std::string composeFile() const;

private:
    void load(FileSystem& fs);
    void showSummary();

    std::string fileName_;
    FileSystem& fs_;
    UserBoxes& boxes_;
    bool complete_ = true;
    std::int64_t accepted_ = 0;
    std::int64_t rejected_ = 0;
};

// Texts of the store's messages, exact.
std::string tooManyBadLinesMessage(std::int64_t accepted, std::int64_t rejected);
std::string someBadLinesMessage(std::int64_t accepted, std::int64_t rejected);
inline constexpr const char* kRecordLimitMessage =
    "Datotekata ima povekje od 32767 slogovi. Procitani se samo prvite 32767 i datotekata nema da se snima.";
inline constexpr const char* kIncompleteSaveMessage =
    "Datotekata ne e procitana celosno i nemoze da se snimi.";

// Cuts report file bytes that arrive in blocks into lines exactly as
// forEachLine below cuts them whole, also when a line, or the CR LF ending
// it, is split between blocks. Only lines of up to kKept bytes are handed
// over with their bytes; of a longer line that spans blocks only the length
// is known.
class LineCutter {
public:
    static constexpr std::size_t kKept = kRecordLength;

    // Calls line(text, length) for each line the block completes: text is
    // the line when length <= kKept. Returns false as soon as line does.
    template <typename OnLine>
    bool feed(std::string_view block, OnLine&& line)
    {
        const char* at = block.data();
        const char* const end = at + block.size();
        if (skipLf_ && at != end) {
            skipLf_ = false;
            if (*at == '\n')
                ++at;
        }
        while (at != end) {
            const auto* cr = static_cast<const char*>(std::memchr(at, '\r', end - at));
            if (!cr) {
                keep(at, end);
                return true;
            }
            bool more;
            if (pendingLength_ == 0) {
                more = line(std::string_view(at, cr - at), static_cast<std::uint64_t>(cr - at));
            } else {
                keep(at, cr);
                more = line(std::string_view(pending_.data(), std::min<std::uint64_t>(pendingLength_, kKept)),
                            pendingLength_);
                pendingLength_ = 0;
            }
            at = cr + 1;
            if (at == end)
                skipLf_ = true;
            else if (*at == '\n')
                ++at;
            if (!more)
                return false;
        }
        return true;
    }

    // The last line, when the bytes did not end with a line end.
    template <typename OnLine>
    void finish(OnLine&& line)
    {
        if (pendingLength_ > 0)
            line(std::string_view(pending_.data(), std::min<std::uint64_t>(pendingLength_, kKept)),
                 pendingLength_);
        pendingLength_ = 0;
        skipLf_ = false;
    }

private:
    void keep(const char* from, const char* to)
    {
        const auto length = static_cast<std::uint64_t>(to - from);
        if (pendingLength_ < kKept) {
            const auto room = static_cast<std::size_t>(kKept - pendingLength_);
            std::memcpy(pending_.data() + pendingLength_, from, std::min<std::size_t>(room, length));
        }
        pendingLength_ += length;
    }

    std::array<char, kKept> pending_;
    std::uint64_t pendingLength_ = 0;
    bool skipLf_ = false;
};

// Splits report file bytes into lines: a line ends at CR LF or a lone CR; a
// lone LF is an ordinary byte. Calls line(text) for each line; stops early
// when line returns false.
template <typename OnLine>
void forEachLine(std::string_view bytes, OnLine&& line)
{
    std::size_t start = 0;
    const std::size_t n = bytes.size();
    while (start < n) {
        const std::size_t cr = bytes.find('\r', start);
        if (cr == std::string_view::npos) {
            line(bytes.substr(start));
            return;
        }
        if (!line(bytes.substr(start, cr - start)))
            return;
        start = cr + 1;
        if (start < n && bytes[start] == '\n')
            ++start;
    }
}

} // namespace dorvik
