// The check run over a whole store: asks, creates the error list, applies the
// field rules record by record through a screen, and gives the verdict.
#pragma once

#include "check/checked_screen.h"

#include <string>
#include <vector>

namespace dorvik {

class Clock;
class CustomerDataSource;
struct FileFaults;
class FileSystem;
class UserBoxes;

// The screen a run works on: besides the boxes, the position box and the
// progress bar.
class CheckRunView : public CheckedScreen {
public:
    // The 1-based number of the record under test (txtPozicija). Called before
    // the record's rules, so that every message stands beside its record, and
    // once more at the end with the record count.
    virtual void showPosition(int position) = 0;
    // prgView: shown with its maximum and value during the walk, hidden after.
    virtual void showProgress(int maximum, int value) = 0;
    virtual void hideProgress() = 0;
    // True when the run is to stop where it is, writing nothing more (the
    // screen was closed under it).
    virtual bool stopped() { return false; }
};

enum class CheckVerdict {
    Declined,  // No to the opening question: nothing written
    Aborted,   // the list could not be written (the user was told why), or the
               // run was stopped; an earlier list is left as it was
    Passed,    // "KONTROLATA USPESNO E IZVRSENA"
    Failed,    // the failure message naming the list
};

struct CheckRunResult {
    CheckVerdict verdict = CheckVerdict::Declined;
    std::string listPath; // the error list's path (file system bytes)
};

// Runs the whole check on the store's records, reading and painting through
// view, talking to the user through boxes, writing the list through files.
// The store's cursor walks from the first record to past the last. A file
// that was not read whole, or held lines that are no records or line ends
// other than CR LF, fails.
CheckRunResult runCheck(CustomerDataSource& store, CheckRunView& view, UserBoxes& boxes,
                        FileSystem& files, const Clock& clock);

// The list's lines, after the records' lines, for what the file holds
// besides its records: "Linija 12: 146 znaci namesto 147," for each line
// that is no record, and one line for the line ends other than CR LF.
std::vector<std::string> fileFaultLines(const FileFaults& faults);

// The run's own texts.
inline constexpr const char* kCheckQuestion = "DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE";
inline constexpr const char* kCheckPassedMessage = "KONTROLATA USPESNO E IZVRSENA";
inline constexpr const char* kCheckFailedMessage =
    "Kontrolata ne e uspesna. Procitajte ja listata <IME>.ERR za pojasnuvanje i popravete gi "
    "gresnite prijavi.";
inline constexpr const char* kBadNumericDataMessage =
    "GRESEN SLOG - NUMERICKIOT  PODATOK NE E VO RED";
inline constexpr const char* kBadNumericDataColumn = " Gr. slog  numerickiot podatok ne e vo red,";
inline constexpr const char* kListNameClashMessage =
    "Imeto na listata na greski e isto so imeto na datotekata so prijavite. Preimenuvajte ja "
    "datotekata i pocnete odnovo.";

} // namespace dorvik
