// A scripted stand-in for the user's boxes: records every box and answers
// from a script. While a box is "open" an optional hook runs, so that tests
// can look at the screen (colours, position) exactly then.
#pragma once

#include "platform/user_boxes.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace dorvik::testing {

struct ShownBox {
    enum class Kind { Message, Input, OpenFile } kind;
    MessageRequest message;
    InputRequest input;
    FileDialogRequest file;
};

class ScriptedBoxes : public UserBoxes {
public:
    using Hook = std::function<void(const ShownBox&)>;

    // Answers for message boxes, in order. When the script runs dry, a
    // message box answers OK (or No for a Yes/No question).
    void answer(Answer a) { answers_.push_back(a); }
    void answerInput(std::string text) { inputs_.push_back(std::move(text)); }
    void answerFile(std::string path) { files_.push_back(std::move(path)); }
    // Runs while each box is open.
    void onShow(Hook hook) { hook_ = std::move(hook); }

    Answer message(const MessageRequest& request) override;
    std::string input(const InputRequest& request) override;
    std::string openFile(const FileDialogRequest& request) override;

    const std::vector<ShownBox>& shown() const { return shown_; }
    // The texts of the message boxes shown, in order.
    std::vector<std::string> messageTexts() const;
    void clear() { shown_.clear(); }

private:
    std::deque<Answer> answers_;
    std::deque<std::string> inputs_;
    std::deque<std::string> files_;
    std::vector<ShownBox> shown_;
    Hook hook_;
};

} // namespace dorvik::testing
