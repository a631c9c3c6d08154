// The immediate checks of the entry screen, as each box is filled.
#include "entry_fixture.h"

#include "check/entry_rules.h"

using namespace dorvik;
using namespace dorvik::testing;

TEST_F(EntryTest, EachCheckedBoxPassesOrIsWipedWithItsMessage)
{
    struct Case {
        Field field;
        const char* typed;
        const char* title;   // nullptr: passes, the focus moves on
        const char* message; // nullptr with a title: wiped without a word
    };
    const Case cases[] = {
        {Field::Godina, "26", nullptr, nullptr},
        {Field::Godina, "70", nullptr, nullptr},
        {Field::Godina, "27", "KONTROLA", kYearMessage},
        {Field::Godina, "69", "KONTROLA", kYearMessage},
        {Field::PeriodOd, "3102", nullptr, nullptr},
        {Field::PeriodDo, "0113", "KONTROLA", kPeriodMessage},
        {Field::PeriodDo, "0012", "KONTROLA", kPeriodMessage},
        {Field::PeriodDo, "3201", "KONTROLA", kPeriodMessage},
        {Field::LicenBroj, "0000000000", nullptr, nullptr},
        {Field::LicenBroj, "1111111181", nullptr, nullptr},
        {Field::LicenBroj, "1111111171", "Kontrola", "LICNIOT  BROJ E GRESEN  PO MODUL 10"},
        {Field::LicenBroj, "1111111182", "Kontrola", "LICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"},
        {Field::MaticenBroj, "1111111111111", nullptr, nullptr},
        {Field::MaticenBroj, "0000000000060", "Kontrola",
         "MATICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"},
        {Field::MaticenBroj, "0000000000000", "", nullptr},
        {Field::RegistarskiBroj, "1234567897", nullptr, nullptr},
        {Field::RegistarskiBroj, "1234567890", "Kontrola", "REGISTARSKIOT BROJ E GRESEN PO NODUL 10"},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        boxes.clear();
        box(c.field)->clear();
        QColor during;
        boxes.onShow([&](const ShownBox&) {
            during = background(c.field);
        });
        // One digit short: nothing yet.
        typeInto(c.field, QString(c.typed).left(static_cast<int>(std::strlen(c.typed)) - 1));
        EXPECT_EQ(focused(), box(c.field));
        typeHere(QString(c.typed).right(1));
        if (!c.title) {
            EXPECT_TRUE(boxes.shown().empty());
            EXPECT_EQ(text(c.field), c.typed);
            // On to the next box of the tab order: one step back is this box.
            QTest::keyClick(focused(), Qt::Key_Backtab);
            EXPECT_EQ(focused(), box(c.field));
            continue;
        }
        EXPECT_EQ(text(c.field), "");
        EXPECT_EQ(focused(), box(c.field));
        if (!c.message) {
            EXPECT_TRUE(boxes.shown().empty());
            continue;
        }
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_TRUE(isBox(boxes.shown()[0], c.title, c.message, Icon::Information));
        EXPECT_EQ(during, QColor(255, 0, 0));
        EXPECT_EQ(background(c.field), QColor(192, 192, 192));
    }
}
