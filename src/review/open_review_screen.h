// Opening the review screen from the main window.
#pragma once

#include "shell/screen.h"

namespace dorvik {

// Creates the review screen over the file, shows it modeless and returns it;
// it is deleted when closed. Nothing (nullptr) when the file could not be
// read at all: the user was told why.
Screen* openReviewScreen(AppServices services, const ReportFile& file);

} // namespace dorvik
