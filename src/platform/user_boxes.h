// The user's boxes: every message box, input box and file dialog of the
// program goes through this interface, so that the core and every screen can
// be driven by a script in tests. Texts are UTF-8.
#pragma once

#include <string>
#include <vector>

namespace dorvik {

// The application's title, used by every box that has no title of its own.
inline constexpr const char* kAppTitle = "Dorvik";

enum class Icon { None, Critical, Exclamation, Information };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageRequest {
    std::string title = kAppTitle;
    std::string text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    Answer defaultButton = Answer::Ok;
    // A finding of the check run (a field rule's box, bad numeric data):
    // the run's screen may offer to show no more of them.
    bool finding = false;
};

struct InputRequest {
    std::string title;
    std::string prompt;
    std::string defaultText;
};

struct FileDialogRequest {
    std::string title;
    std::string initialFolder; // empty: where the dialog was left last
    std::string initialName;   // the name chosen at first (a file in that folder)
    std::string filter;        // "Only text (*.*)|*.*"
    bool mayNotExist = false;  // a typed name of a new file is accepted
    std::string defaultSuffix; // added to a name typed without one ("pdf")
};

class UserBoxes {
public:
    virtual ~UserBoxes() = default;

    // Shows a modal message box and returns the button pressed. Escape or
    // the window's close box answer No to Yes/No, Cancel to Yes/No/Cancel.
    virtual Answer message(const MessageRequest& request) = 0;

    // The same with a check box under the text, captioned checkBox and
    // unticked; ticked tells how the user left it.
    virtual Answer messageWithCheckBox(const MessageRequest& request, const std::string& checkBox,
                                       bool& ticked)
    {
        (void)checkBox;
        ticked = false;
        return message(request);
    }

    // Shows a one-line input box; Cancel gives the empty text.
    virtual std::string input(const InputRequest& request) = 0;

    // Shows the open-file dialog; Cancel gives the empty text, which is not
    // an error. Returns the chosen full path.
    virtual std::string openFile(const FileDialogRequest& request) = 0;

    // Shows the save-file dialog, which asks before an existing file is
    // replaced; Cancel gives the empty text. Returns the chosen full path.
    virtual std::string saveFile(const FileDialogRequest& request) = 0;
};

// What Escape or the window's close box answers.
inline Answer escapeAnswer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::YesNoCancel: return Answer::Cancel;
    }
    return Answer::Ok;
}

// A box with an OK button, no icon unless given, and the application's title.
inline MessageRequest okBox(std::string text, Icon icon = Icon::None, std::string title = kAppTitle)
{
    MessageRequest request;
    request.title = std::move(title);
    request.text = std::move(text);
    request.icon = icon;
    return request;
}

// Shows such a box.
inline Answer tell(UserBoxes& boxes, std::string text, Icon icon = Icon::None,
                   std::string title = kAppTitle)
{
    return boxes.message(okBox(std::move(text), icon, std::move(title)));
}

// Shows such a box for a finding of the check run.
inline Answer tellFinding(UserBoxes& boxes, std::string text, Icon icon = Icon::None,
                          std::string title = kAppTitle)
{
    MessageRequest request = okBox(std::move(text), icon, std::move(title));
    request.finding = true;
    return boxes.message(request);
}

// A Yes/No question with No as the default, the application's title, no icon
// unless given.
inline bool askYesNo(UserBoxes& boxes, std::string text, Icon icon = Icon::None)
{
    MessageRequest request;
    request.text = std::move(text);
    request.icon = icon;
    request.buttons = Buttons::YesNo;
    request.defaultButton = Answer::No;
    return boxes.message(request) == Answer::Yes;
}

} // namespace dorvik
