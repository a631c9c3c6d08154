// The in-memory record store over one report file: loads the file, holds its
// records with a cursor, and rewrites the whole file on save.
#pragma once

#include "data/recordset.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dorvik {

class FileSystem;
class UserBoxes;

struct SaveOutcome {
    int records = 0;        // the records written
    std::string backupPath; // where the file as it was was kept first, if it was
};

// A non-empty line of the file that is not a record.
struct NonRecordLine {
    std::int64_t number = 0;  // 1-based place in the file, empty lines counted
    std::uint64_t length = 0; // its length in bytes, without its line end
};

// What the file held besides its records when it was read: lines that are
// no records, and line ends other than CR LF. Either way the file would be
// read differently elsewhere, so the check fails it. A save writes neither.
struct FileFaults {
    // The first kMaxRecords such lines, in file order, and how many there were.
    std::vector<NonRecordLine> nonRecordLines;
    std::int64_t nonRecordLineCount = 0;
    // Lines ended by a lone CR or a lone LF, and the first of them (1-based).
    std::int64_t otherLineEnds = 0;
    std::int64_t firstOtherLineEnd = 0;

    bool any() const { return nonRecordLineCount > 0 || otherLineEnds > 0; }
};

class CustomerDataSource {
public:
    struct Options {
        std::string fileName;       // the report file, fixed for the store's life
        bool newReportFile = false; // just created empty: read nothing
    };

    // Creates the store and loads the file, telling the user through boxes
    // about lines of the wrong length, line ends other than CR LF and
    // failures.
    CustomerDataSource(Options options, FileSystem& fs, UserBoxes& boxes);

    // Reads the file anew into the table, as at creation, dropping what the
    // table held. False when it could not be read whole (the user was told).
    bool reload();
    // Whether the file on the disk is no longer what this store last read or
    // wrote (another window or program wrote it). A file that cannot be read
    // counts as changed.
    bool changedOnDisk();

    Recordset rsCustomers;

    // Rewrites the report file from the table, one line per record with CR LF,
    // through a safe replace, and confirms a pending new record. First:
    // - when the file on the disk is no longer what this store last read or
    //   wrote (another window or program wrote it), asks whether to write
    //   all the same;
    // - on the first save after a load that dropped lines with something in
    //   them, keeps the file as it is on the disk beside it, under the first
    //   free name of NAME.bak, NAME.1.bak, NAME.2.bak, ... (never replacing
    //   a file).
    // Returns false, having written nothing or told the user why, when it
    // was refused, declined or failed; the table is then as it was. After a
    // write, successful or not, the cursor stands after the last record.
    bool WriteToFile();
    // Appends the records after the last one and rewrites the file as
    // WriteToFile does. When that write is refused, declined or fails, the
    // records leave the table again, so the table is the file as it was.
    // Refused at once (false, nothing written, nothing told) when the table
    // would then hold more than kMaxRecords records, or a new record is
    // pending.
    bool AppendAndWrite(const std::vector<ReportRecord>& records);
    // What the last successful WriteToFile did.
    const SaveOutcome& lastSave() const { return lastSave_; }
    // Whether records were added or changed since the last load or save.
    bool hasUnsavedChanges() const { return rsCustomers.changed_; }

    const std::string& fileName() const { return fileName_; }
    // False when the load stopped short (read failure, the record limit, or a
    // file of lines none of which was a record); such a store never saves.
    bool loadedCompletely() const { return complete_; }
    // The platform's description when the file could not be read (whole).
    const std::optional<std::string>& readError() const { return readError_; }
    // The file holds more than kMaxRecords records: only the first were read.
    bool overRecordLimit() const { return overLimit_; }
    std::int64_t acceptedLines() const { return accepted_; }
    std::int64_t rejectedLines() const { return rejected_; }
    // What the file held besides records as last read; nothing after a save.
    const FileFaults& fileFaults() const { return faults_; }

    // The composed file contents: every record's line followed by CR LF.
    std::string composeFile() const;

private:
    void load();
    void showSummary();
    std::string freeBackupPath() const;

    std::string fileName_;
    FileSystem& fs_;
    UserBoxes& boxes_;
    bool complete_ = true;
    bool overLimit_ = false;
    std::optional<std::string> readError_;
    std::int64_t accepted_ = 0;
    std::int64_t rejected_ = 0;
    std::int64_t rejectedNonEmpty_ = 0;
    FileFaults faults_;
    // The fingerprint of the file as last read or written (empty where the
    // file system keeps none).
    std::string knownFingerprint_;
    bool backupWritten_ = false;
    SaveOutcome lastSave_;
};

// Texts of the store's messages, exact.
std::string tooManyBadLinesMessage(std::int64_t accepted, std::int64_t rejected);
std::string someBadLinesMessage(std::int64_t accepted, std::int64_t rejected);
inline constexpr const char* kRecordLimitMessage =
    "Datotekata ima povekje od 32767 slogovi. Procitani se samo prvite 32767 i datotekata nema da se snima.";
inline constexpr const char* kIncompleteSaveMessage =
    "Datotekata ne e procitana celosno i nemoze da se snimi.";
std::string otherLineEndsMessage(const FileFaults& faults);
inline constexpr const char* kChangedOnDiskQuestion =
    "Datotekata e promeneta od drug prozorec ili program otkako e procitana. Ako se snimi sega, "
    "tie promeni ke se izgubat. Dali sepak da se snimi?";

} // namespace dorvik
