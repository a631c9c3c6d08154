// What the fault drivers share: boxes that print every message on stdout
// (title, TAB, text) and answer Yes to a question, and the changes a driver
// can make to the folder between loading and writing.
#pragma once

#include "platform/user_boxes.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace dorvik::faults {

class PrintingBoxes : public UserBoxes {
public:
    Answer message(const MessageRequest& request) override
    {
        std::printf("%s\t%s\n", request.title.c_str(), request.text.c_str());
        return request.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::string input(const InputRequest&) override { return {}; }
    std::string openFile(const FileDialogRequest&) override { return {}; }
};

// --vanish: the report's folder is removed with everything in it.
// --dir=PATH: PATH is replaced by an empty folder.
// Returns false for an option it does not know.
inline bool applyOption(std::string_view option, const std::string& report)
{
    namespace fs = std::filesystem;
    if (option == "--vanish") {
        fs::remove_all(fs::path(report).parent_path());
        return true;
    }
    if (option.substr(0, 6) == "--dir=") {
        const fs::path path(option.substr(6));
        fs::remove(path);
        fs::create_directory(path);
        return true;
    }
    return false;
}

} // namespace dorvik::faults
