#include "check/entry_rules.h"
#include "entry_fixture.h"
#include "shell/screen_messages.h"

using namespace dorvik;
using namespace dorvik::testing;

namespace {
QString nameOf(int seed)
{
    return QString::fromStdString(padded("Ime Prezime " + std::to_string(seed), 35));
}
} // namespace

TEST_F(EntryTest, PreviewPagesThroughTheStoredReportsWithinTheirEnds)
{
    withRecords(3);
    open();
    EXPECT_FALSE(button("cmdNextV")->isVisible());
    pressButton("cmdPregled");
    EXPECT_TRUE(screen->previewing());
    EXPECT_TRUE(button("cmdNextV")->isVisible());
    EXPECT_TRUE(button("cmdFirstV")->isVisible());
    EXPECT_FALSE(button("cmdSnimi")->isEnabled());
    // The typed report is dropped: the last stored report and its position.
    EXPECT_EQ(text(Field::ImePrezime), nameOf(3));
    EXPECT_EQ(records(), "3");
    EXPECT_EQ(position(), "3");

    button("cmdNextV")->click();
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{kLastRecordMessage});
    EXPECT_EQ(boxes.shown()[0].message.icon, Icon::None);
    EXPECT_EQ(boxes.shown()[0].message.title, "Dorvik");
    EXPECT_EQ(position(), "3");
    EXPECT_EQ(text(Field::ImePrezime), nameOf(3));

    button("cmdPrevV")->click();
    button("cmdPrevV")->click();
    EXPECT_EQ(position(), "1");
    EXPECT_EQ(text(Field::ImePrezime), nameOf(1));
    boxes.clear();
    button("cmdPrevV")->click();
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{kFirstRecordMessage});
    EXPECT_EQ(position(), "1");
    EXPECT_EQ(text(Field::ImePrezime), nameOf(1));

    button("cmdLastV")->click();
    EXPECT_EQ(position(), "3");
    EXPECT_EQ(text(Field::ImePrezime), nameOf(3));
    button("cmdFirstV")->click();
    EXPECT_EQ(position(), "1");
    EXPECT_EQ(text(Field::ImePrezime), nameOf(1));
    button("cmdNextV")->click();
    EXPECT_EQ(position(), "2");
    EXPECT_EQ(text(Field::ImePrezime), nameOf(2));
}

TEST_F(EntryTest, PreviewShowsTheFileAsItIsWithoutChecksOrFocusSteps)
{
    // A stored report that the entry checks would refuse everywhere.
    std::string bad = recordLine(1);
    bad.replace(fieldOffset(Field::Godina), 2, "50");
    bad.replace(fieldOffset(Field::LicenBroj), 10, "1234567890");
    bad.replace(fieldOffset(Field::PeriodOd), 4, "0013");
    files.files[kFile] = bad + "\r\n" + recordLine(2) + "\r\n";
    open();
    button("cmdPregled")->setFocus();
    button("cmdPregled")->click();
    button("cmdPrevV")->click();
    settle();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(text(Field::Godina), "50");
    EXPECT_EQ(text(Field::LicenBroj), "1234567890");
    EXPECT_EQ(focused(), button("cmdPregled"));

    // Read-only: typing changes neither the box nor the stored report.
    for (int i = 0; i < kFieldCount; ++i)
        EXPECT_TRUE(box(fieldAt(i))->isReadOnly()) << i;
    box(Field::ImePrezime)->setFocus();
    typeHere("X");
    EXPECT_EQ(text(Field::ImePrezime), nameOf(1));
    EXPECT_EQ(screen->store().rsCustomers.record(0).line(), bad);

    // Back to typing: editable again, paging hidden, a new report counted.
    pressButton("cmdNovaPrijava");
    EXPECT_FALSE(screen->previewing());
    EXPECT_FALSE(box(Field::ImePrezime)->isReadOnly());
    EXPECT_TRUE(button("cmdSnimi")->isEnabled());
    EXPECT_FALSE(button("cmdPrevV")->isVisible());
    EXPECT_EQ(text(Field::Godina), "");
    EXPECT_EQ(records(), "3");
    EXPECT_EQ(focused(), box(Field::LicenBroj));
    EXPECT_EQ(screen->store().rsCustomers.record(0).line(), bad);
}

TEST_F(EntryTest, PreviewAfterASaveShowsTheNewReportLast)
{
    withRecords(2);
    open();
    typeCompleteReport();
    pressButton("cmdSnimi");
    // After the save no record is current: the boxes stay empty until the preview.
    EXPECT_EQ(text(Field::ImePrezime), "");
    pressButton("cmdPregled");
    EXPECT_EQ(position(), "3");
    EXPECT_EQ(text(Field::ImePrezime), QString::fromStdString(padded("Ana Petrovska", 35)));
    button("cmdPrevV")->click();
    EXPECT_EQ(text(Field::ImePrezime), nameOf(2));
}

TEST_F(EntryTest, PreviewOfAnEmptyFileShowsNothingAndSurvivesEveryButton)
{
    open();
    pressButton("cmdPregled");
    EXPECT_EQ(records(), "0");
    EXPECT_EQ(position(), "0");
    for (int i = 0; i < kFieldCount; ++i)
        EXPECT_EQ(text(fieldAt(i)), "") << i;
    for (const char* name : {"cmdFirstV", "cmdLastV", "cmdNextV", "cmdPrevV", "cmdFirstV"}) {
        button(name)->click();
        EXPECT_EQ(position(), "0") << name;
        EXPECT_EQ(records(), "0") << name;
    }
    EXPECT_EQ(boxes.messageTexts(),
              (std::vector<std::string>{kLastRecordMessage, kFirstRecordMessage}));
}
