// The in-memory record store over one report file: loads the file, holds its
// records with a cursor, and rewrites the whole file on save.
#pragma once

#include "data/report_record.h"

#include <cstdint>
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
    void Update();
    void CancelUpdate();
    bool pending() const { return pendingNew_ || pendingEdit_.has_value(); }

    const ReportRecord& record(int index) const { return records_[index]; }
    const std::vector<ReportRecord>& records() const { return records_; }

    // Called after every change of the current record (moves, AddNew, a
    // cancelled new record), so that bound boxes can refresh.
    int addCursorListener(std::function<void()> listener);
    void removeCursorListener(int id);

private:
    friend class CustomerDataSource;
    void appendLoaded(ReportRecord record) { records_.push_back(std::move(record)); }
    void setCursor(int cursor);
    void notify();

    std::vector<ReportRecord> records_;
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
