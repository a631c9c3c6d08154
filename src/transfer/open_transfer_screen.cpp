#include "transfer/open_transfer_screen.h"

namespace dorvik {

frmPrenos* openTransferScreen(AppServices services, SettingsStore& settings, const ReportFile& report,
                              const std::string& sheetPath)
{
    auto* screen = new frmPrenos(services, settings, report, sheetPath);
    if (!screen->open()) {
        delete screen;
        return nullptr;
    }
    screen->show();
    return screen;
}

} // namespace dorvik
