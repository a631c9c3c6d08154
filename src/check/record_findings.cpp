#include "check/record_findings.h"

#include "check/entry_rules.h"
#include "check/field_rules.h"
#include "data/report_record.h"
#include "platform/user_boxes.h"

namespace dorvik {

namespace {

// The record as the rules read it; every colour they give a box is kept.
class RecordOnScreen : public CheckedScreen {
public:
    explicit RecordOnScreen(const ReportRecord& record) : record_(record) { colours.fill(BoxColour::Silver); }

    std::string fieldText(Field field) override { return std::string(record_.value(field)); }
    std::string_view fieldView(Field field, std::string&) override { return record_.value(field); }
    std::string_view recordLine() override { return record_.fullLine(); }
    void setColour(Field field, BoxColour colour) override
    {
        BoxColour& kept = colours[static_cast<int>(field)];
        if (colour == BoxColour::Red || (colour == BoxColour::Yellow && kept == BoxColour::Silver))
            kept = colour;
    }

    std::array<BoxColour, kFieldCount> colours;

private:
    const ReportRecord& record_;
};

class NoBoxes : public UserBoxes {
public:
    Answer message(const MessageRequest&) override { return Answer::Ok; }
    std::string input(const InputRequest&) override { return {}; }
    std::string openFile(const FileDialogRequest&) override { return {}; }
    std::string saveFile(const FileDialogRequest&) override { return {}; }
};

} // namespace

std::array<BoxColour, kFieldCount> findingColours(const ReportRecord& record,
                                                  std::string_view currentYear)
{
    RecordOnScreen screen(record);
    NoBoxes boxes;
    RecordCheckState state;
    if (!FieldRules({screen, boxes, currentYear}).apply(state)) {
        // Bad numeric data: the boxes of digits holding anything else.
        for (int i = 0; i < kFieldCount; ++i) {
            const Field field = fieldAt(i);
            const std::string_view text = record.value(field);
            if (isDigitField(field)
                && text.find_first_not_of("0123456789 ") != std::string_view::npos)
                screen.setColour(field, BoxColour::Red);
        }
    }
    return screen.colours;
}

} // namespace dorvik
