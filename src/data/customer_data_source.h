// The in-memory record store over one report file: loads the file, holds its
// records with a cursor, and rewrites the whole file on save.
#pragma once

#include "data/recordset.h"

#include <cstdint>
#include <optional>
#include <string>

namespace dorvik {

class FileSystem;
class UserBoxes;

struct SaveOutcome {
    int records = 0;     // the records written
    bool backup = false; // the file as it was was kept beside it first
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
    // through a safe replace, and confirms a pending new record. First:
    // - when the file on the disk is no longer what this store last read or
    //   wrote (another window or program wrote it), asks whether to write
    //   all the same;
    // - on the first save after a load that dropped lines with something in
    //   them, keeps the file as it is on the disk beside it (backupPath()).
    // Returns false, having written nothing or told the user why, when it
    // was refused, declined or failed; the table is then as it was. After a
    // write, successful or not, the cursor stands after the last record.
    bool WriteToFile();
    // What the last successful WriteToFile did.
    const SaveOutcome& lastSave() const { return lastSave_; }
    // The file's name plus ".bak".
    std::string backupPath() const;
    // Whether records were added or changed since the last load or save.
    bool hasUnsavedChanges() const { return rsCustomers.changed_; }

    const std::string& fileName() const { return fileName_; }
    // False when the load stopped short (read failure, the record limit, or a
    // file of lines none of which was a record); such a store never saves.
    bool loadedCompletely() const { return complete_; }
    // The platform's description when the file could not be read (whole).
    const std::optional<std::string>& readError() const { return readError_; }
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
    std::optional<std::string> readError_;
    std::int64_t accepted_ = 0;
    std::int64_t rejected_ = 0;
    std::int64_t rejectedNonEmpty_ = 0;
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
inline constexpr const char* kChangedOnDiskQuestion =
    "Datotekata e promeneta od drug prozorec ili program otkako e procitana. Ako se snimi sega, "
    "tie promeni ke se izgubat. Dali sepak da se snimi?";

// The status text after a successful save: "Snimeni se N prijavi vo NAME."
// (NAME without its folder), and where the original was kept.
std::string savedStatus(const std::string& fileName, const SaveOutcome& outcome);

} // namespace dorvik
