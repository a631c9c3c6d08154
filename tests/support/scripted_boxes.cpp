#include "scripted_boxes.h"

namespace dorvik::testing {

namespace {
template <typename T>
T next(std::deque<T>& script, T otherwise)
{
    if (script.empty())
        return otherwise;
    T value = std::move(script.front());
    script.pop_front();
    return value;
}
} // namespace

void ScriptedBoxes::record(ShownBox box)
{
    shown_.push_back(box);
    if (hook_)
        hook_(box);
}

Answer ScriptedBoxes::show(ShownBox box)
{
    record(box);
    return next(answers_, escapeAnswer(box.message.buttons));
}

Answer ScriptedBoxes::message(const MessageRequest& request)
{
    return show({ShownBox::Kind::Message, request, {}, {}, {}});
}

Answer ScriptedBoxes::messageWithCheckBox(const MessageRequest& request,
                                          const std::string& checkBox, bool& ticked)
{
    ticked = next(ticks_, false);
    return show({ShownBox::Kind::Message, request, checkBox, {}, {}});
}

std::string ScriptedBoxes::input(const InputRequest& request)
{
    record({ShownBox::Kind::Input, {}, {}, request, {}});
    return next(inputs_, std::string());
}

std::string ScriptedBoxes::fileDialog(ShownBox::Kind kind, const FileDialogRequest& request)
{
    record({kind, {}, {}, {}, request});
    return next(files_, std::string());
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
                                 Icon icon, Buttons buttons, std::optional<Answer> defaultButton)
{
    const MessageRequest& m = box.message;
    if (box.kind == ShownBox::Kind::Message && m.title == title && m.text == text && m.icon == icon
        && m.buttons == buttons && m.defaultButton == defaultButton.value_or(m.defaultButton))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "box \"" << m.title << "\": \"" << m.text << "\" icon "
                                         << static_cast<int>(m.icon) << " buttons "
                                         << static_cast<int>(m.buttons) << " default "
                                         << static_cast<int>(m.defaultButton);
}

} // namespace dorvik::testing
