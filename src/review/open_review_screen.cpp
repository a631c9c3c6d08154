#include "review/frm_kontrola.h"
#include "shell/screens.h"

namespace dorvik {

QWidget* openReviewScreen(AppServices services)
{
    auto* screen = new frmKontrola(services);
    screen->show();
    return screen;
}

} // namespace dorvik
