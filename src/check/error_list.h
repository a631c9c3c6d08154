// The error list: the written result of a check run, a text file beside the
// report file with one line for each record that has something to list.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

class FileSystem;
class OutputFile;

struct ErrorListName {
    std::string stem; // the report's normalised absolute path less its last four characters
    std::string path; // stem + ".err"
    std::string reportPath; // the report's normalised absolute path
};

// The names for a report path (file system bytes). When the report's own
// name has four characters or fewer, the stem is the whole path: cutting
// four characters would reach into its folder.
ErrorListName errorListName(const std::string& reportPath);

// True when the list would replace the report itself: the names are equal
// without regard to case, as on a diskette.
bool listWouldReplaceReport(const ErrorListName& name);

// "000025 ," for record 25.
void appendRecordPrefix(std::string& out, int recordNumber);

// Lines 1 to 13, each ended by CR LF.
std::string errorListHeader(std::string_view stem);
inline constexpr std::string_view kErrorListFooter =
    "_______________________________________________________________________________\r\n";

// The lines of a list: they end at CR LF, a lone CR or a lone LF, as in a
// report file.
std::vector<std::string_view> errorListLines(std::string_view bytes);

// A line of a list read back: the record's number and the rest of the line
// as it stands in the file (bytes).
struct ErrorListRow {
    std::optional<int> record; // nothing when the line has no record prefix
    std::string_view text;     // a view into the bytes the rows were read from
};

// The record lines of a list as the check run writes it: the lines between
// the header's column heading (and its underline) and the closing
// underline. A file without the heading is read from its first line; a line
// without the record prefix ("000025 ,") keeps its whole text and no number.
// Empty lines are passed over.
std::vector<ErrorListRow> readErrorListRows(std::string_view bytes);

// Writes the list through a safe replace: nothing reaches the file before
// close() succeeds, so a failure at any step leaves an earlier list as it was.
class ErrorListWriter {
public:
    ErrorListWriter();
    ~ErrorListWriter();

    // Starts the file and writes the header.
    bool open(FileSystem& files, const std::string& path, std::string_view stem);
    // Writes a record line followed by CR LF. Lines reach the file in
    // blocks; flush() hands over what is pending.
    bool writeLine(std::string_view line);
    // The same for the record's line: its number's prefix, then the text
    // (numbered only when written: most records are never listed).
    bool writeLine(int recordNumber, std::string_view text);
    bool flush();
    // Writes the footer and replaces the file.
    bool close();
    // The platform's description of the last failure.
    const std::string& error() const { return error_; }

private:
    std::unique_ptr<OutputFile> file_;
    std::string buffer_;
    std::string error_;
};

} // namespace dorvik
