#include "check/check_digits.h"
#include "check/entry_rules.h"
#include "entry_fixture.h"

#include <QClipboard>

using namespace dorvik;
using namespace dorvik::testing;

namespace {
struct Year {
    int today;
    const char* typed;
    bool passes;
};
} // namespace

TEST_F(EntryTest, YearWindowAroundTodayWithMessageAndWipe)
{
    const Year cases[] = {{2003, "03", true},  {2003, "04", false}, {2003, "00", true},
                          {2003, "69", false}, {2003, "70", true},  {2003, "99", true},
                          {2026, "26", true},  {2026, "27", false}, {2026, "69", false},
                          {2026, "04", true}};
    open();
    for (const Year& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " in " + std::to_string(c.today));
        clock = FixedClock(std::chrono::year{c.today} / 6 / 1);
        boxes.clear();
        typeInto(Field::Godina, c.typed);
        if (c.passes) {
            EXPECT_TRUE(boxes.shown().empty());
            EXPECT_EQ(text(Field::Godina), c.typed);
            EXPECT_EQ(focused(), box(Field::ImePrezime));
        } else {
            ASSERT_EQ(boxes.shown().size(), 1u);
            const MessageRequest& m = boxes.shown()[0].message;
            EXPECT_EQ(m.text, kYearMessage);
            EXPECT_EQ(m.title, "KONTROLA");
            EXPECT_EQ(m.icon, Icon::Information);
            EXPECT_EQ(text(Field::Godina), "");
            EXPECT_EQ(focused(), box(Field::Godina));
        }
        box(Field::Godina)->clear();
    }
}

TEST_F(EntryTest, APastedNonDigitYearFailsTheYearRule)
{
    open();
    QApplication::clipboard()->setText("7a");
    box(Field::Godina)->setFocus();
    box(Field::Godina)->paste();
    settle();
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{kYearMessage});
    EXPECT_EQ(text(Field::Godina), "");
    EXPECT_EQ(focused(), box(Field::Godina));
}

TEST_F(EntryTest, PeriodsPassOrAreWipedWithTheirMessage)
{
    open();
    typeInto(Field::PeriodOd, "3102");
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(focused(), box(Field::PeriodDo));
    for (const char* bad : {"0013", "0000", "3201"}) {
        SCOPED_TRACE(bad);
        boxes.clear();
        // Red while the message is open, silver once it is closed.
        QColor during;
        boxes.onShow([&](const ShownBox&) { during = background(box(Field::PeriodDo)); });
        typeInto(Field::PeriodDo, bad);
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].message.text, kPeriodMessage);
        EXPECT_EQ(boxes.shown()[0].message.title, "KONTROLA");
        EXPECT_EQ(during, QColor(255, 0, 0));
        EXPECT_EQ(background(box(Field::PeriodDo)), QColor(192, 192, 192));
        EXPECT_EQ(text(Field::PeriodDo), "");
        EXPECT_EQ(focused(), box(Field::PeriodDo));
    }
}

TEST_F(EntryTest, PersonalNumberIsCheckedOnlyWhenFull)
{
    open();
    typeHere("000000000");
    EXPECT_EQ(focused(), box(Field::LicenBroj));
    typeHere("0"); // ten zeros pass untested
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(focused(), box(Field::MaticenBroj));

    box(Field::LicenBroj)->clear();
    typeInto(Field::LicenBroj, "1111111181");
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(focused(), box(Field::MaticenBroj));

    box(Field::LicenBroj)->clear();
    typeInto(Field::LicenBroj, "1111111171"); // Luhn digit wrong
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{"LICNIOT  BROJ E GRESEN  PO MODUL 10"});
    EXPECT_EQ(text(Field::LicenBroj), "");
    EXPECT_EQ(focused(), box(Field::LicenBroj));

    boxes.clear();
    typeHere("1111111182"); // Luhn right, modulus 11 wrong
    EXPECT_EQ(boxes.messageTexts(),
              std::vector<std::string>{"LICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"});
    EXPECT_EQ(text(Field::LicenBroj), "");
}

TEST_F(EntryTest, APastedLetterInThePersonalNumberIsToldTwiceAndKept)
{
    open();
    QApplication::clipboard()->setText("11111a1181");
    box(Field::LicenBroj)->paste();
    settle();
    EXPECT_EQ(boxes.messageTexts(),
              (std::vector<std::string>{kEntryNonDigitMessage, kEntryNonDigitMessage}));
    EXPECT_EQ(text(Field::LicenBroj), "11111a1181");
    EXPECT_EQ(focused(), box(Field::MaticenBroj));
}

TEST_F(EntryTest, RegistrationNumberFlashesRedIsWipedAndKeepsTheFocus)
{
    open();
    QColor during;
    boxes.onShow([&](const ShownBox&) { during = background(box(Field::RegistarskiBroj)); });
    typeInto(Field::RegistarskiBroj, "1234567890");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].message.text, "REGISTARSKIOT BROJ E GRESEN PO NODUL 10");
    EXPECT_EQ(boxes.shown()[0].message.title, "Kontrola");
    EXPECT_EQ(during, QColor(255, 0, 0));
    EXPECT_EQ(background(box(Field::RegistarskiBroj)), QColor(192, 192, 192));
    EXPECT_EQ(text(Field::RegistarskiBroj), "");
    EXPECT_EQ(focused(), box(Field::RegistarskiBroj));

    boxes.clear();
    typeHere("1234567897");
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(focused(), box(Field::Godina));
}

TEST_F(EntryTest, MasterNumberOfThirteenZerosDisappearsWithoutAMessage)
{
    open();
    typeInto(Field::MaticenBroj, "0000000000000");
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(text(Field::MaticenBroj), "");
    EXPECT_EQ(focused(), box(Field::MaticenBroj));

    typeHere("0000000000060"); // weighted sum 12: no digit can match
    EXPECT_EQ(boxes.messageTexts(),
              std::vector<std::string>{"MATICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"});
    EXPECT_EQ(text(Field::MaticenBroj), "");

    boxes.clear();
    typeHere("1111111111111");
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(focused(), box(Field::RegistarskiBroj));
}
