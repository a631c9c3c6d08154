#include "check/check_digits.h"

#include "fake_screen.h"
#include "scripted_boxes.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

using testing::FakeScreen;
using testing::ScriptedBoxes;

TEST(ExpectedCheckDigit, Mod10IsTheLuhnDigitOverThePlacesLeftOfTheLast)
{
    EXPECT_EQ(expectedMod10("0111111118"), 8);
    EXPECT_EQ(expectedMod10("1234567897"), 7);
    EXPECT_EQ(expectedMod10("1234567890"), 7); // the last digit is never weighted
    EXPECT_EQ(expectedMod10("0000000000"), 0);
    // 9 x 2 = 18 contributes 1 + 8: sum 9, expected 1.
    EXPECT_EQ(expectedMod10("0000000090"), 1);
    // Sum a multiple of 10 gives 0, not 10: 5 x 2 = 10 contributes 1, + 9 x 1.
    EXPECT_EQ(expectedMod10("0000000950"), 0);
}

TEST(ExpectedCheckDigit, Mod11ByKind)
{
    EXPECT_EQ(expectedMod11("0001111111181", "LB"), 1); // sum 32
    EXPECT_EQ(expectedMod11("1111111111111", "MB"), 1); // sum 54
    EXPECT_EQ(expectedMod11("0000000000000", "LB"), 0);
    EXPECT_EQ(expectedMod11("0000000000000", "MB"), 0);
    // "MB", remainder 1: e = 10 stays 10, which no digit matches.
    for (char last = '0'; last <= '9'; ++last)
        EXPECT_EQ(expectedMod11(std::string("000000000006") + last, "MB"), 10);
    // "LB", digits 1 to 8 weighing a positive multiple of 11: e = 11 stays.
    EXPECT_EQ(expectedMod11("0000000001405", "LB"), 11);
    // "LB" folds 10 to 0: 6 x 2 = 12 leaves remainder 1.
    EXPECT_EQ(expectedMod11("0000000000600", "LB"), 0);
    // The 9th digit of a personal number (position 1) has weight 0 for "LB".
    EXPECT_EQ(expectedMod11("0000000000090", "LB"), 0);
    EXPECT_EQ(expectedMod11("0000000000090", "MB"), 11 - 18 % 11);
}

TEST(ExpectedCheckDigit, NothingForANonDigitOrAMissingPlace)
{
    EXPECT_FALSE(expectedMod10("01111111 8"));
    EXPECT_FALSE(expectedMod10("011111118")); // nine characters
    EXPECT_FALSE(expectedMod10("011111111A"));
    EXPECT_FALSE(expectedMod11("000111111118", "LB"));
    EXPECT_FALSE(expectedMod11("0001111111-81", "LB"));
    EXPECT_FALSE(expectedMod11("1111111111111", "RB"));
}

struct RoutineFixture : ::testing::Test {
    FakeScreen screen;
    ScriptedBoxes boxes;
    CheckDigitContext review{screen, boxes, NonDigit::LeaveToCaller};
    CheckDigitContext entry{screen, boxes, NonDigit::TellUser};
    std::vector<BoxColour> colourWhileOpen;

    void watch(Field field)
    {
        boxes.onShow([this, field](const auto&) { colourWhileOpen.push_back(screen.colour(field)); });
    }
};

TEST_F(RoutineFixture, AFailurePaintsTheBoxRedWhileItsMessageIsOpenThenSilver)
{
    watch(Field::RegistarskiBroj);
    std::int16_t fault = 0;
    EXPECT_TRUE(KontrolaMod10(review, "1234567890", "RB", fault));
    EXPECT_EQ(fault, 2);
    ASSERT_EQ(boxes.shown().size(), 1u);
    const MessageRequest& box = boxes.shown()[0].message;
    EXPECT_EQ(box.title, "Kontrola");
    EXPECT_EQ(box.text, "REGISTARSKIOT BROJ E GRESEN PO NODUL 10");
    EXPECT_EQ(box.icon, Icon::Information);
    EXPECT_EQ(box.buttons, Buttons::Ok);
    EXPECT_EQ(colourWhileOpen, std::vector<BoxColour>{BoxColour::Red});
    EXPECT_EQ(screen.colour(Field::RegistarskiBroj), BoxColour::Silver);
}

TEST_F(RoutineFixture, EachTestHasItsCodeBoxAndText)
{
    struct Case {
        bool mod10;
        const char* number;
        const char* kind;
        std::int16_t code;
        Field box;
        const char* text;
    };
    const Case cases[] = {
        {true, "0111111119", "LB", 1, Field::LicenBroj, "LICNIOT  BROJ E GRESEN  PO MODUL 10"},
        {false, "0001111111182", "LB", 3, Field::LicenBroj,
         "LICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"},
        {false, "1111111111112", "MB", 4, Field::MaticenBroj,
         "MATICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"},
        {false, "0000000000069", "MB", 4, Field::MaticenBroj,
         "MATICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        screen.paints.clear();
        boxes.clear();
        std::int16_t fault = 0;
        EXPECT_TRUE(c.mod10 ? KontrolaMod10(review, c.number, c.kind, fault)
                            : KontrolaMod11(review, c.number, c.kind, fault));
        EXPECT_EQ(fault, c.code);
        EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{c.text});
        const std::vector<std::pair<Field, BoxColour>> paints = {{c.box, BoxColour::Red},
                                                                 {c.box, BoxColour::Silver}};
        EXPECT_EQ(screen.paints, paints);
    }
}

TEST_F(RoutineFixture, APassOrAnUnknownKindLeavesTheCallersCodeAndShowsNothing)
{
    std::int16_t fault = 4;
    EXPECT_TRUE(KontrolaMod10(review, "0111111118", "LB", fault));
    EXPECT_TRUE(KontrolaMod11(review, "0001111111181", "LB", fault));
    EXPECT_TRUE(KontrolaMod11(review, "1111111111111", "MB", fault));
    EXPECT_TRUE(KontrolaMod10(review, "1234567897", "RB", fault));
    EXPECT_TRUE(KontrolaMod10(review, "0000000000", "RB", fault));
    EXPECT_TRUE(KontrolaMod11(review, "1111111111112", "RB", fault));
    EXPECT_TRUE(KontrolaMod10(review, "1234567890", "MB", fault));
    EXPECT_TRUE(KontrolaMod10(review, "1234567890", "lb", fault));
    EXPECT_EQ(fault, 4);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(screen.paints.empty());
}

TEST_F(RoutineFixture, ANonDigitIsLeftToTheReviewCallerButToldOnEntry)
{
    std::int16_t fault = 0;
    EXPECT_FALSE(KontrolaMod10(review, "01111111 9", "LB", fault));
    EXPECT_FALSE(KontrolaMod11(review, "111111111111A", "MB", fault));
    EXPECT_TRUE(boxes.shown().empty());

    EXPECT_FALSE(KontrolaMod10(entry, "123456789A", "RB", fault));
    EXPECT_FALSE(KontrolaMod11(entry, "00011111111", "LB", fault)); // too short
    EXPECT_EQ(fault, 0);
    EXPECT_TRUE(screen.paints.empty());
    ASSERT_EQ(boxes.shown().size(), 2u);
    for (const auto& shown : boxes.shown()) {
        EXPECT_EQ(shown.message.text, kEntryNonDigitMessage);
        EXPECT_EQ(shown.message.title, kAppTitle);
        EXPECT_EQ(shown.message.icon, Icon::None);
        EXPECT_EQ(shown.message.buttons, Buttons::Ok);
    }
}

} // namespace
} // namespace dorvik
