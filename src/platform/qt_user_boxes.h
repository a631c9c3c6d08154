// The user's boxes as real Qt dialogs.
#pragma once

#include "platform/user_boxes.h"

#include <QString>

class QWidget;

namespace dorvik {

class QtUserBoxes : public UserBoxes {
public:
    Answer message(const MessageRequest& request) override;
    Answer messageWithCheckBox(const MessageRequest& request, const std::string& checkBox,
                               bool& ticked) override;
    std::string input(const InputRequest& request) override;
    std::string openFile(const FileDialogRequest& request) override;
    std::string saveFile(const FileDialogRequest& request) override;

private:
    std::string chooseFile(const FileDialogRequest& request, bool saving);

    // Where the file dialog was left (folder) and the name last chosen in
    // it, kept between uses; the name is offered again only for the same
    // kind of file (the same filter), so that the dialog for a sheet does
    // not offer the report file chosen just before.
    QString lastFolder_;
    QString lastFileName_;
    std::string lastFilter_;
};

// The one process-wide instance the screens use outside of tests.
UserBoxes& applicationBoxes();

} // namespace dorvik
