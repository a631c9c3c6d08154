#include "review/open_review_screen.h"

#include "data/customer_data_source.h"
#include "review/frm_kontrola.h"

namespace dorvik {

Screen* openReviewScreen(AppServices services, const ReportFile& file)
{
    auto* screen = new frmKontrola(services, file);
    // A file that could not be read at all (missing, a folder, no
    // permission) was named in its message: no empty screen over it.
    const CustomerDataSource& store = screen->store();
    if (store.readError() && store.rsCustomers.RecordCount() == 0) {
        delete screen;
        return nullptr;
    }
    screen->show();
    return screen;
}

} // namespace dorvik
