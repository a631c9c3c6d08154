// The user's boxes of a batch run: nobody is there to answer, so every box
// is confirmed, and each can be printed as a line of its own.
#pragma once

#include "platform/user_boxes.h"

#include <cstdio>
#include <string>
#include <vector>

namespace dorvik::cli {

// Prints a box as its title, a TAB and its text.
void printBox(std::FILE* out, const MessageRequest& request);

// Yes to a question, OK to everything else; with verbose, prints each box.
class ConfirmingBoxes : public UserBoxes {
public:
    ConfirmingBoxes(std::FILE* out, bool verbose) : out_(out), verbose_(verbose) {}

    Answer message(const MessageRequest& request) override;
    std::string input(const InputRequest&) override { return {}; }
    std::string openFile(const FileDialogRequest&) override { return {}; }
    std::string saveFile(const FileDialogRequest&) override { return {}; }

    // The text of the last box, which explains a run that ended early.
    const std::string& lastText() const { return lastText_; }

private:
    std::FILE* out_;
    bool verbose_;
    std::string lastText_;
};

// Keeps the boxes of a store's load, to be printed once the load is known
// to have read the file.
class CollectingBoxes : public UserBoxes {
public:
    Answer message(const MessageRequest& request) override;
    std::string input(const InputRequest&) override { return {}; }
    std::string openFile(const FileDialogRequest&) override { return {}; }
    std::string saveFile(const FileDialogRequest&) override { return {}; }

    std::vector<MessageRequest> shown;
};

} // namespace dorvik::cli
