// Typing on the entry screen: digit boxes, the focus advance, the tab order.
#include "entry_fixture.h"

#include "check/check_digits.h"

#include <QClipboard>
#include <QInputMethodEvent>

using namespace dorvik;
using namespace dorvik::testing;

TEST_F(EntryTest, DigitBoxesTakeDigitsOnlyAndHandTheFocusOnWhenFull)
{
    open();
    box(Field::Denari)->setFocus();
    typeHere("a- Z.");
    EXPECT_EQ(text(Field::Denari), "");
    // Composed through an input method (a dead key): dropped too; a digit goes in.
    for (const char* composed : {"~", "1"}) {
        QInputMethodEvent event;
        event.setCommitString(composed);
        QApplication::sendEvent(box(Field::Denari), &event);
    }
    EXPECT_EQ(text(Field::Denari), "1");
    typeHere("2345678");
    EXPECT_EQ(focused(), box(Field::Denari));
    typeHere("9");
    EXPECT_EQ(text(Field::Denari), "123456789");
    EXPECT_EQ(focused(), box(Field::Boleduvanje));
    // Backspace does nothing in a digit box; Delete and the arrows work.
    typeHere("12");
    QTest::keyClick(focused(), Qt::Key_Backspace);
    QTest::keyClick(focused(), Qt::Key_Left);
    QTest::keyClick(focused(), Qt::Key_Delete);
    EXPECT_EQ(text(Field::Boleduvanje), "1");
    // A full box that gets one more key keeps its text and the focus.
    typeInto(Field::Denari, "5");
    EXPECT_EQ(text(Field::Denari), "123456789");
    EXPECT_EQ(focused(), box(Field::Denari));
    // The name takes anything printable and moves on at its 35th character.
    typeInto(Field::ImePrezime, QString(34, 'x'));
    EXPECT_EQ(focused(), box(Field::ImePrezime));
    typeHere("-");
    EXPECT_EQ(focused(), box(Field::Firma));
}

TEST_F(EntryTest, KeysTypedBeforeAStepHappensGoWhereItLeads)
{
    open();
    // Keys without a pause between them (each to the box with the focus): no queued step has run yet.
    const auto type = [](const char* keys) { QTest::keyClicks(static_cast<QWidget*>(nullptr), keys); };
    box(Field::LicenBroj)->setFocus();
    type("1111111181" "1111111111111" "12");
    EXPECT_EQ(text(Field::LicenBroj), "1111111181");
    EXPECT_EQ(text(Field::MaticenBroj), "1111111111111");
    EXPECT_EQ(text(Field::RegistarskiBroj), "12");
    EXPECT_EQ(focused(), box(Field::RegistarskiBroj));
    // Tab goes on from where the step led, once.
    box(Field::Mesec)->setFocus();
    type("1200\t");
    settle();
    EXPECT_EQ(focused(), box(Field::Denari));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(EntryTest, TabOrderFollowsTheForm)
{
    open();
    ASSERT_EQ(focused(), box(Field::LicenBroj));
    const std::vector<QWidget*> expected = {
        box(Field::MaticenBroj), box(Field::RegistarskiBroj), box(Field::Godina),
        box(Field::ImePrezime), box(Field::Firma), box(Field::PeriodOd), box(Field::PeriodDo),
        box(Field::Mesec), box(Field::VkRabCasovi), box(Field::Denari), box(Field::Boleduvanje),
        box(Field::EfektStaz), box(Field::StepenZgolem), box(Field::SifraStaz),
        button("cmdSnimi"), button("cmdNovaPrijava"), button("cmdPregled"), box(Field::LicenBroj)};
    for (QWidget* next : expected) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        ASSERT_EQ(focused(), next) << focused()->objectName().toStdString();
    }
}

TEST_F(EntryTest, APasteNeverSplitsARecordNorPutsANonDigitInTheFile)
{
    open();
    // What a paste does to control characters: tests/shell/box_validator_test.cpp. Cut at the field's width first, as every paste is; the line break
    // becomes a blank.
    QApplication::clipboard()->setText("12\r\n34");
    box(Field::Mesec)->setFocus();
    box(Field::Mesec)->paste();
    EXPECT_EQ(text(Field::Mesec), "12 ");
    // A letter pasted into a digit box meets the checks; the file never sees it.
    QApplication::clipboard()->setText("11111a1181");
    box(Field::LicenBroj)->paste();
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{kEntryNonDigitMessage, kEntryNonDigitMessage}));
    EXPECT_EQ(text(Field::LicenBroj), "11111a1181");
    typeReport();
    box(Field::Denari)->selectAll();
    QApplication::clipboard()->setText("00015000A");
    box(Field::Denari)->paste();
    pressButton("cmdSnimi");
    EXPECT_EQ(file(), "");
    EXPECT_EQ(text(Field::Denari), "00015000A");
}
