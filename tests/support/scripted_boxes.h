// A scripted stand-in for the user's boxes: records every box and answers
// from a script. While a box is "open" an optional hook runs, so that tests
// can look at the screen (colours, position) exactly then.
#pragma once

#include "platform/user_boxes.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dorvik::testing {

struct ShownBox {
    enum class Kind { Message, Input, OpenFile, SaveFile } kind;
    MessageRequest message;
    std::string checkBox; // the check box's caption, if the box had one
    InputRequest input;
    FileDialogRequest file;
};

class ScriptedBoxes : public UserBoxes {
public:
    using Hook = std::function<void(const ShownBox&)>;

    // Answers for message boxes, in order. When the script runs dry, a
    // message box answers OK (or No, or Cancel: its escape answer).
    void answer(Answer a) { answers_.push_back(a); }
    // Whether the check box of the next box that has one is left ticked.
    void tick(bool ticked) { ticks_.push_back(ticked); }
    void answerInput(std::string text) { inputs_.push_back(std::move(text)); }
    // Answers for the file dialogs, open and save alike, in order.
    void answerFile(std::string path) { files_.push_back(std::move(path)); }
    // Runs while each box is open.
    void onShow(Hook hook) { hook_ = std::move(hook); }

    Answer message(const MessageRequest& request) override;
    Answer messageWithCheckBox(const MessageRequest& request, const std::string& checkBox,
                               bool& ticked) override;
    std::string input(const InputRequest& request) override;
    std::string openFile(const FileDialogRequest& r) override { return fileDialog(ShownBox::Kind::OpenFile, r); }
    std::string saveFile(const FileDialogRequest& r) override { return fileDialog(ShownBox::Kind::SaveFile, r); }

    const std::vector<ShownBox>& shown() const { return shown_; }
    // The texts of the message boxes shown, in order.
    std::vector<std::string> texts() const;
    void clear() { shown_.clear(); }

private:
    void record(ShownBox box);
    Answer show(ShownBox box);
    std::string fileDialog(ShownBox::Kind kind, const FileDialogRequest& request);

    std::deque<Answer> answers_;
    std::deque<bool> ticks_;
    std::deque<std::string> inputs_;
    std::deque<std::string> files_;
    std::vector<ShownBox> shown_;
    Hook hook_;
};

// Whether a message box had this title, text, icon and buttons (and this
// default button, when given).
::testing::AssertionResult isBox(const ShownBox& box, std::string_view title, std::string_view text,
                                 Icon icon = Icon::None, Buttons buttons = Buttons::Ok,
                                 std::optional<Answer> defaultButton = std::nullopt);

} // namespace dorvik::testing
