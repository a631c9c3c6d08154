#include "check/check_run.h"

#include "check/error_list.h"
#include "check/field_rules.h"
#include "data/customer_data_source.h"
#include "platform/clock.h"
#include "platform/user_boxes.h"

namespace dorvik {

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
        tell(boxes, list.error());
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
            tell(boxes, list.error());
            return result;
        }
        state.faultCode = 0;
        ++counter;
        if (view.stopped())
            return result;
        records.MoveNext();
    }
    view.hideProgress();
    // Every record's line is written before the verdict, so that a failure
    // to write one ends the run without a verdict.
    if (!list.flush()) {
        tell(boxes, list.error());
        return result;
    }
    view.showPosition(total);

    tell(boxes, state.failed ? kCheckFailedMessage : kCheckPassedMessage, Icon::Information,
         "KONTROLA");
    if (view.stopped())
        return result;
    // The list is closed only once the verdict has been confirmed.
    if (!list.close()) {
        tell(boxes, list.error());
        return result;
    }
    result.verdict = state.failed ? CheckVerdict::Failed : CheckVerdict::Passed;
    return result;
}

} // namespace dorvik
