// "pregled": the stored reports, read-only, with their four paging buttons.
#include "entry_fixture.h"

#include "shell/screen_messages.h"

using namespace dorvik;
using namespace dorvik::testing;

TEST_F(EntryTest, PreviewPagesThroughTheFileAsItIs)
{
    // Record 1 is one the entry checks would refuse everywhere.
    const std::string bad = lineWith(1, {{Field::Godina, "50"}, {Field::LicenBroj, "1234567890"},
                                         {Field::PeriodOd, "0013"}});
    files.files[kReportPath] = fileOf({bad, recordLine(2), recordLine(3)});
    open();
    EXPECT_FALSE(button("cmdNextV")->isVisible());
    const QPoint saveAt = button("cmdSnimi")->pos(); // the paging buttons' places kept
    pressButton("cmdPregled");
    EXPECT_TRUE(button("cmdNextV")->isVisible());
    EXPECT_EQ(button("cmdSnimi")->pos(), saveAt);
    EXPECT_FALSE(button("cmdSnimi")->isEnabled());
    EXPECT_EQ(counters(), "3/3");
    struct Step {
        const char* button;
        const char* counters;
        const char* name;
        const char* message = nullptr;
    };
    const Step steps[] = {
        {"cmdNextV", "3/3", "Ime Prezime 3", kLastRecordMessage},
        {"cmdFirstV", "1/3", "Ime Prezime 1"},
        {"cmdPrevV", "1/3", "Ime Prezime 1", kFirstRecordMessage},
        {"cmdNextV", "2/3", "Ime Prezime 2"},
        {"cmdLastV", "3/3", "Ime Prezime 3"},
        {"cmdPrevV", "2/3", "Ime Prezime 2"},
    };
    for (const Step& step : steps) {
        boxes.clear();
        button(step.button)->click();
        settle();
        EXPECT_EQ(counters(), step.counters) << step.button;
        EXPECT_EQ(text(Field::ImePrezime).trimmed(), step.name) << step.button;
        EXPECT_EQ(boxes.texts(), step.message ? std::vector<std::string>{step.message}
                                              : std::vector<std::string>{});
    }
    // No checks run on what the file holds, and nothing can be typed.
    button("cmdFirstV")->click();
    settle();
    EXPECT_EQ(text(Field::Godina), "50");
    box(Field::ImePrezime)->setFocus();
    typeHere("X");
    EXPECT_EQ(screen->store().rsCustomers.record(0).line(), bad);
    EXPECT_TRUE(boxes.shown().empty());
    // "vnesi" starts typing again.
    pressButton("cmdNovaPrijava");
    EXPECT_FALSE(box(Field::ImePrezime)->isReadOnly());
    EXPECT_EQ(text(Field::Godina), "");
    EXPECT_EQ(counters(), "4/4");
}
