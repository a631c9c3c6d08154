#include "review/review_check_run.h"

#include "data/customer_data_source.h"
#include "review/review_check_view.h"
#include "shell/record_binding.h"

#include <QProgressBar>

namespace dorvik {

CheckVerdict runReviewCheck(const AppServices& services, const ReviewRunScreen& screen,
                            int shownPosition, std::function<bool()> stopped)
{
    screen.binding.setDeferred(true);
    ReviewCheckView view(screen.store.rsCustomers, screen.binding, screen.boxes, screen.position,
                         screen.progress, shownPosition, std::move(stopped));
    RunBoxes boxes(services.boxes, view);
    const CheckRunResult result =
        runCheck(screen.store, view, boxes, services.files, services.clock);
    screen.binding.setDeferred(false);
    screen.progress.hide();
    return result.verdict;
}

int positionAfterCheck(CheckVerdict verdict, int before, int total)
{
    if (total == 0)
        return 0;
    if (verdict == CheckVerdict::Passed || verdict == CheckVerdict::Failed)
        return total;
    return before;
}

} // namespace dorvik
