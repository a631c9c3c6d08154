#include "scripted_boxes.h"

namespace dorvik::testing {

Answer ScriptedBoxes::message(const MessageRequest& request)
{
    ShownBox box{ShownBox::Kind::Message, request, {}, {}};
    shown_.push_back(box);
    if (hook_)
        hook_(box);
    if (!answers_.empty()) {
        const Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    return request.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

std::string ScriptedBoxes::input(const InputRequest& request)
{
    ShownBox box{ShownBox::Kind::Input, {}, request, {}};
    shown_.push_back(box);
    if (hook_)
        hook_(box);
    if (inputs_.empty())
        return {};
    std::string text = std::move(inputs_.front());
    inputs_.pop_front();
    return text;
}

std::string ScriptedBoxes::openFile(const FileDialogRequest& request)
{
    ShownBox box{ShownBox::Kind::OpenFile, {}, {}, request};
    shown_.push_back(box);
    if (hook_)
        hook_(box);
    if (files_.empty())
        return {};
    std::string path = std::move(files_.front());
    files_.pop_front();
    return path;
}

std::vector<std::string> ScriptedBoxes::messageTexts() const
{
    std::vector<std::string> texts;
    for (const ShownBox& box : shown_)
        if (box.kind == ShownBox::Kind::Message)
            texts.push_back(box.message.text);
    return texts;
}

} // namespace dorvik::testing
