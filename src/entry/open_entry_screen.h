// Opening the entry screen from the main window.
#pragma once

#include "shell/screen.h"

namespace dorvik {

// Creates the entry screen over the file and asks for the auto-fill values
// first; the screen loads the file and shows itself once the auto-fill
// dialog is closed, or deletes itself then when the file could not be read
// whole (telling the user why). It is deleted when closed.
Screen* openEntryScreen(AppServices services, const ReportFile& file);

} // namespace dorvik
