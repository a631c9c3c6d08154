#include "review/open_review_screen.h"

#include "review/frm_kontrola.h"

namespace dorvik {

Screen* openReviewScreen(AppServices services, const ReportFile& file)
{
    auto* screen = new frmKontrola(services, file);
    screen->show();
    return screen;
}

} // namespace dorvik
