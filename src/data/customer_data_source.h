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
};

// Texts of the store's messages, exact.
std::string tooManyBadLinesMessage(std::int64_t accepted, std::int64_t rejected);
std::string someBadLinesMessage(std::int64_t accepted, std::int64_t rejected);
inline constexpr const char* kRecordLimitMessage =
    "Datotekata ima povekje od 32767 slogovi. Procitani se samo prvite 32767 i datotekata nema da se snima.";
inline constexpr const char* kIncompleteSaveMessage =
    "Datotekata ne e procitana celosno i nemoze da se snimi.";

} // namespace dorvik
