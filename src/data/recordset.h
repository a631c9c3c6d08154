// The record set of a store: its records in file order and one cursor.
#pragma once

#include "data/record_table.h"

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace dorvik {

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

    // Appends a record with no values and makes it current and pending:
    // the next move or Update confirms it, CancelUpdate takes it out again.
    // Refused (false) when the table already holds kMaxRecords records.
    bool AddNew();
    // Sets a field of the current record; false when there is no current
    // record, or the value is longer than the field's width or holds a
    // carriage return or a line feed (either would end the line in the file).
    bool setField(Field f, std::string_view value);
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
    bool changed_ = false; // records added or changed since the last load or save
    bool changedBeforeNew_ = false;
    std::vector<std::pair<int, std::function<void()>>> listeners_;
    int nextListenerId_ = 1;
};

} // namespace dorvik
