// The two screens the main window opens. Each is created over the file
// chosen last (Module1::ReportFileName / NewReportFile), shown modeless, and
// deleted when closed. A null result means the screen did not open.
#pragma once

#include "shell/app_services.h"

class QWidget;

namespace dorvik {

QWidget* openReviewScreen(AppServices services);
QWidget* openEntryScreen(AppServices services);

} // namespace dorvik
