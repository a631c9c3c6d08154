#include "scripted_boxes.h"

namespace dorvik::testing {

void ScriptedBoxes::record(ShownBox box)
{
    shown_.push_back(box);
    if (hook_)
        hook_(box);
}

Answer ScriptedBoxes::show(ShownBox box)
{
    record(box);
    if (!answers_.empty()) {
        const Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    switch (box.message.buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::YesNoCancel: return Answer::Cancel;
    }
    return Answer::Ok;
}

Answer ScriptedBoxes::message(const MessageRequest& request)
{
    return show({ShownBox::Kind::Message, request, {}, {}, {}});
}

Answer ScriptedBoxes::messageWithCheckBox(const MessageRequest& request,
                                          const std::string& checkBox, bool& ticked)
{
    ticked = !ticks_.empty() && ticks_.front();
    if (!ticks_.empty())
        ticks_.pop_front();
    return show({ShownBox::Kind::Message, request, checkBox, {}, {}});
}

std::string ScriptedBoxes::input(const InputRequest& request)
{
    record({ShownBox::Kind::Input, {}, {}, request, {}});
    std::string text = inputs_.empty() ? std::string() : std::move(inputs_.front());
    if (!inputs_.empty())
        inputs_.pop_front();
    return text;
}

std::string ScriptedBoxes::openFile(const FileDialogRequest& request)
{
    record({ShownBox::Kind::OpenFile, {}, {}, {}, request});
    std::string path = files_.empty() ? std::string() : std::move(files_.front());
    if (!files_.empty())
        files_.pop_front();
    return path;
}

std::vector<std::string> ScriptedBoxes::texts() const
{
    std::vector<std::string> texts;
    for (const ShownBox& box : shown_)
        if (box.kind == ShownBox::Kind::Message)
            texts.push_back(box.message.text);
    return texts;
}

::testing::AssertionResult isBox(const ShownBox& box, std::string_view title, std::string_view text,
                                 Icon icon, Buttons buttons)
{
    const MessageRequest& m = box.message;
    if (box.kind == ShownBox::Kind::Message && m.title == title && m.text == text && m.icon == icon
        && m.buttons == buttons)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "box \"" << m.title << "\": \"" << m.text << "\" icon " << static_cast<int>(m.icon)
           << " buttons " << static_cast<int>(m.buttons);
}

} // namespace dorvik::testing
