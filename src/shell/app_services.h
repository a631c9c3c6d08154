// What a screen is given when it opens: the platform's services (the user's
// boxes, files, today's date) and the report file to work on. The program
// passes the real services; tests pass scripted ones.
#pragma once

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/print_boxes.h"
#include "platform/user_boxes.h"

#include <string>

namespace dorvik {

struct AppServices {
    UserBoxes& boxes;
    FileSystem& files;
    const Clock& clock;
    // The print preview and the progress box; the program's own Qt dialogs
    // when not given.
    PrintBoxes* printing = nullptr;
};

// The report file a screen works on, as the main window chose it.
struct ReportFile {
    std::string path;   // file system bytes (UTF-8 on Linux)
    bool isNew = false; // just created empty by the entry command
};

} // namespace dorvik
