// The three searches of the PREBARUVANJE menu.
#include "review_fixture.h"

using namespace dorvik;
using namespace dorvik::testing;

namespace {

// Records whose personal and master numbers tell them apart.
std::string numbered(int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        lines.push_back(lineWith(i, {{Field::LicenBroj, std::string(10 - n.size(), '5') + n},
                                     {Field::MaticenBroj, std::string(13 - n.size(), '7') + n}}));
    }
    return fileOf(lines);
}

} // namespace

TEST_F(ReviewTest, EachSearchGoesToItsRecordOrSaysItIsNotThere)
{
    open(numbered(10));
    struct Step {
        const char* item;
        const char* answer;
        const char* counters;
        bool found;
    };
    const Step steps[] = {
        {"mnuPoLicenBr", "5555555510", "10/10", true},
        {"mnuPoMaticenBr", "7777777777773", "3/10", true},
        {"mnuPoLicenBr", "555555551", "10/10", false}, // a beginning is no match
        {"mnuPoLicenBr", "", "10/10", false},          // Cancel looks for the empty text
        {"mnuPoRedenBroj", " 7 ", "7/10", true},
        {"mnuPoRedenBroj", "11", "7/10", false},
        {"mnuPoRedenBroj", "0", "7/10", false},
        {"mnuPoRedenBroj", "2.5", "7/10", false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.item) + " " + step.answer);
        boxes.clear();
        boxes.answerInput(step.answer);
        action(step.item)->trigger();
        EXPECT_EQ(counters(), step.counters);
        EXPECT_EQ(boxes.texts(), step.found ? std::vector<std::string>{}
                                            : std::vector<std::string>{kNotFoundMessage});
    }
    EXPECT_EQ(name(), "Ime Prezime 7");
    // The box offers the last answer (its texts: tests/texts/shown_texts_test.cpp).
    boxes.clear();
    action("mnuPoLicenBr")->trigger();
    EXPECT_EQ(boxes.shown().at(0).input.defaultText, "2.5");
    EXPECT_EQ(action("mnuPoMaticenBr")->shortcut(), QKeySequence("Ctrl+M"));
}

