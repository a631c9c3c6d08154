// The check of the whole file, run from the review screen: the walk is shown
// on the screen's own boxes, position and bar (ReviewCheckView), each of its
// boxes opens beside the record it speaks of (RunBoxes), and the bound boxes
// follow the store only at the view's pace meanwhile.
#pragma once

#include "check/check_run.h"
#include "data/report_record.h"
#include "shell/app_services.h"

#include <array>
#include <functional>

class QLineEdit;
class QProgressBar;

namespace dorvik {

class CustomerDataSource;
class RecordBinding;

// The parts of the review screen a run walks over.
struct ReviewRunScreen {
    CustomerDataSource& store;
    RecordBinding& binding;
    const std::array<QLineEdit*, kFieldCount>& boxes;
    QLineEdit& position; // txtPozicija
    QProgressBar& progress; // prgView, hidden again after the run
};

// Runs the check; shownPosition is the position the screen shows as it
// starts, stopped whether the screen was closed under the run. The store's
// cursor is left where the run left it.
CheckVerdict runReviewCheck(const AppServices& services, const ReviewRunScreen& screen,
                            int shownPosition, std::function<bool()> stopped);

// Where the screen stands after a run over total records that stood on
// before: a finished run (passed or failed) on the last record; one that
// never walked, or stopped short, where it was; nowhere without records.
int positionAfterCheck(CheckVerdict verdict, int before, int total);

} // namespace dorvik
