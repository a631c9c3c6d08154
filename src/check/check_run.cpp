#include "check/check_run.h"

#include "check/error_list.h"
#include "check/field_rules.h"
#include "data/customer_data_source.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/user_boxes.h"

namespace dorvik {

std::vector<std::string> fileFaultLines(const FileFaults& faults)
{
    std::vector<std::string> lines;
    lines.reserve(faults.nonRecordLines.size() + 2);
    for (const NonRecordLine& line : faults.nonRecordLines)
        lines.push_back("Linija " + std::to_string(line.number) + ": " + std::to_string(line.length)
                        + " znaci namesto " + std::to_string(kRecordLength) + ",");
    const auto unlisted = faults.nonRecordLineCount
                          - static_cast<std::int64_t>(faults.nonRecordLines.size());
    if (unlisted > 0)
        lines.push_back("Uste " + std::to_string(unlisted) + " linii ne se slogovi od "
                        + std::to_string(kRecordLength) + " znaci,");
    if (faults.otherLineEnds > 0)
        lines.push_back(std::to_string(faults.otherLineEnds)
                        + " linii ne zavrsuvaat so CR LF (prvata: linija "
                        + std::to_string(faults.firstOtherLineEnd)
                        + "); Snimi gi zapisuva so CR LF,");
    return lines;
}

CheckRunResult runCheck(CustomerDataSource& store, CheckRunView& view, UserBoxes& boxes,
                        FileSystem& files, const Clock& clock)
{
    CheckRunResult result;
    if (!askYesNo(boxes, kCheckQuestion))
        return result;

    const ErrorListName name = errorListName(store.fileName());
    result.listPath = name.path;
    result.verdict = CheckVerdict::Aborted;
    if (listWouldReplaceReport(name)) {
        tell(boxes, kListNameClashMessage);
        return result;
    }
    ErrorListWriter list;
    if (!list.open(files, name.path, name.stem)) {
        tell(boxes, namedFailure(name.path, list.error()));
        return result;
    }

    const std::string currentYear = currentTwoDigitYear(clock);
    FieldRules rules({view, boxes, currentYear});
    RecordCheckState state;
    state.errorLine.reserve(1024);
    // A file that was not read completely (a read failure, too many records,
    // or lines none of which was a record) must not pass.
    state.failed = !store.loadedCompletely();

    Recordset& records = store.rsCustomers;
    const int total = records.RecordCount();
    int counter = 1;
    records.MoveFirst();
    while (!records.Eof()) {
        state.errorLine.clear();
        state.valueUnderTest.clear();
        state.faultCode = 0;
        view.showProgress(total, counter);
        view.showPosition(counter);

        const bool numericDataOk = rules.apply(state);
        if (!numericDataOk) {
            // Listed whatever the fault code holds.
            tellFinding(boxes, kBadNumericDataMessage);
            state.errorLine += state.valueUnderTest;
            state.errorLine += kBadNumericDataColumn;
        }
        if ((!numericDataOk || state.faultCode != 0) && !list.writeLine(counter, state.errorLine)) {
            view.hideProgress();
            tell(boxes, namedFailure(name.path, list.error()));
            return result;
        }
        state.faultCode = 0;
        ++counter;
        if (view.stopped())
            return result;
        records.MoveNext();
    }
    view.hideProgress();
    // After the records' lines, what the file holds besides its records.
    const FileFaults& faults = store.fileFaults();
    for (const std::string& line : fileFaultLines(faults)) {
        if (!list.writeLine(line)) {
            tell(boxes, namedFailure(name.path, list.error()));
            return result;
        }
    }
    state.failed = state.failed || faults.any();
    // Every record's line is written before the verdict, so that a failure
    // to write one ends the run without a verdict.
    if (!list.flush()) {
        tell(boxes, namedFailure(name.path, list.error()));
        return result;
    }
    view.showPosition(total);

    tell(boxes, state.failed ? kCheckFailedMessage : kCheckPassedMessage, Icon::Information,
         "KONTROLA");
    if (view.stopped())
        return result;
    // The list is closed only once the verdict has been confirmed.
    if (!list.close()) {
        tell(boxes, namedFailure(name.path, list.error()));
        return result;
    }
    result.verdict = state.failed ? CheckVerdict::Failed : CheckVerdict::Passed;
    return result;
}

} // namespace dorvik
