// What a screen needs of the platform: the user's boxes, files and today's
// date. The program passes the real ones; tests pass scripted ones.
#pragma once

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/user_boxes.h"

namespace dorvik {

struct AppServices {
    UserBoxes& boxes;
    FileSystem& files;
    const Clock& clock;
};

} // namespace dorvik
