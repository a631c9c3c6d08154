// What an import would do with each row of a sheet: map it, normalise every
// cell to its field's stored text, check the record with the entry screen's
// own checks, and refuse a record the file or the sheet already holds.
#pragma once

#include "data/record_table.h"
#include "import/mapping.h"
#include "import/normalise.h"
#include "platform/user_boxes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dorvik::import {

enum class RowStatus { Good, Failed, Appended };

struct RowProblem {
    std::optional<Field> field; // nothing: the row as a whole
    std::string value;          // as the sheet has it (UTF-8)
    std::string reason;
};

struct RowResult {
    int sheetRow = 0;
    RowStatus status = RowStatus::Good;
    // The record's 147 bytes; where a field failed its place holds blanks.
    std::array<char, kRecordLength> bytes;
    std::uint16_t failedFields = 0; // a bit for each field that failed
    std::vector<RowProblem> problems;
    std::vector<std::pair<Field, std::string>> notes; // the zeros an identifier gained
    bool monthsWorkedOut = false; // Mesec was worked out from the period

    std::string_view line() const { return {bytes.data(), bytes.size()}; }
    bool fieldFailed(Field f) const { return (failedFields >> static_cast<int>(f)) & 1u; }
    std::string_view stored(Field f) const { return line().substr(fieldOffset(f), fieldWidth(f)); }
};

struct PlanOptions {
    NormaliseOptions normalise;
    std::string currentYear; // two digits: the year rule's current year
};

struct ImportPlan {
    std::vector<RowResult> rows; // the sheet's rows with something in them, less its header
    int emptyRows = 0;
    int good = 0;
    int failed = 0;

    std::vector<ReportRecord> goodRecords() const;
};

// existing: the records of the report file the rows are to be added to.
ImportPlan planImport(const Sheet& sheet, const Mapping& mapping, const PlanOptions& options,
                      const RecordTable& existing);

// "FIELD 'VALUE': reason", or the reason alone for the row as a whole.
std::string describe(const RowProblem& problem);
// "red N: " and every problem of the row, joined by "; ".
std::string failureLine(const RowResult& row);

std::string duplicateReason(int record);

// Boxes nobody sees: each is answered OK and the last one's text kept (the
// message a check routine shows is the reason its row fails).
class ReasonBoxes : public UserBoxes {
public:
    Answer message(const MessageRequest& request) override
    {
        last = request.text;
        return Answer::Ok;
    }
    std::string input(const InputRequest&) override { return {}; }
    std::string openFile(const FileDialogRequest&) override { return {}; }
    std::string saveFile(const FileDialogRequest&) override { return {}; }

    std::string last;
};

inline constexpr const char* kMonthsWorkedOutNote = "presmetano od periodot";
inline constexpr const char* kNoSourceReason = "nema kolona nitu vrednost za poleto";
inline constexpr const char* kZeroMasterNumberReason = "maticniot broj ne smee da bide samo nuli";

} // namespace dorvik::import
