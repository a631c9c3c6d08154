// The import window on the offscreen platform over in-memory files, with
// scripted boxes, a fixed date and the settings of the test run.
#pragma once

#include "platform/settings_store.h"
#include "screen_test.h"
#include "transfer/frm_prenos.h"

namespace dorvik::testing {

inline constexpr const char* kSheetPath = "/a/plata.csv";

struct TransferTest : ScreenTest<frmPrenos> {
    QtSettingsStore settings;

    // Opens the window as the main window does; false when it refused.
    bool open(const std::string& sheet)
    {
        files.files[kSheetPath] = sheet;
        delete screen.data();
        screen = new frmPrenos(AppServices{boxes, files, clock}, settings, ReportFile{kReportPath, false}, kSheetPath);
        screen->setAttribute(Qt::WA_DeleteOnClose, false);
        if (!screen->open())
            return false;
        screen->show();
        QApplication::processEvents();
        return true;
    }
};

} // namespace dorvik::testing
