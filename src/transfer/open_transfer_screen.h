// Opening the import window from the main window.
#pragma once

#include "transfer/frm_prenos.h"

namespace dorvik {

// Creates the import window over the report file and the sheet and shows it;
// nothing (the user told why) when either cannot be used. It is deleted when
// closed.
frmPrenos* openTransferScreen(AppServices services, SettingsStore& settings, const ReportFile& report,
                              const std::string& sheetPath);

} // namespace dorvik
