#include "check/check_digits.h"

#include "fake_screen.h"
#include "scripted_boxes.h"

#include <gtest/gtest.h>

using namespace dorvik;
using namespace dorvik::testing;

// The expected digits are held to a reference in the rules property (tests/properties);
// numbers that pass say nothing in the field rules' and the entry screen's tests.
TEST(CheckDigits, TheRoutinesPaintTellAndSetTheFaultCode)
{
    struct Case {
        bool (*routine)(const CheckDigitContext&, std::string_view, std::string_view, std::int16_t&);
        const char* kind;
        const char* number;
        Field box;
        std::int16_t fault; // 0: says nothing
        const char* message;
    };
    const Case cases[] = {
        {KontrolaMod10, "LB", "0111111119", Field::LicenBroj, kFaultLbMod10,
         "LICNIOT  BROJ E GRESEN  PO MODUL 10"},
        {KontrolaMod10, "RB", "1234567891", Field::RegistarskiBroj, kFaultRbMod10,
         "REGISTARSKIOT BROJ E GRESEN PO NODUL 10"},
        {KontrolaMod11, "LB", "0001111111182", Field::LicenBroj, kFaultLbMod11,
         "LICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"},
        {KontrolaMod11, "MB", "1111111111112", Field::MaticenBroj, kFaultMbMod11,
         "MATICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"},
        {KontrolaMod10, "MB", "1111111111", Field::MaticenBroj, 0, ""}, // a kind it does not know
        {KontrolaMod11, "RB", "1111111111112", Field::MaticenBroj, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.number);
        FakeScreen screen;
        ScriptedBoxes boxes;
        std::vector<std::pair<Field, BoxColour>> paintedWhileOpen;
        boxes.onShow([&](const ShownBox&) { paintedWhileOpen = screen.paints; });
        std::int16_t fault = 7;
        EXPECT_TRUE(c.routine({screen, boxes, NonDigit::LeaveToCaller}, c.number, c.kind, fault));
        EXPECT_EQ(fault, c.fault ? c.fault : 7);
        if (!c.fault) {
            EXPECT_TRUE(boxes.shown().empty());
            EXPECT_TRUE(screen.paints.empty());
            continue;
        }
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_TRUE(isBox(boxes.shown()[0], "Kontrola", c.message, Icon::Information));
        EXPECT_TRUE(boxes.shown()[0].message.finding);
        using Paints = std::vector<std::pair<Field, BoxColour>>;
        EXPECT_EQ(paintedWhileOpen, (Paints{{c.box, BoxColour::Red}}));
        EXPECT_EQ(screen.paints, (Paints{{c.box, BoxColour::Red}, {c.box, BoxColour::Silver}}));
    }
}

