#include "platform/qt_user_boxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace dorvik;

// The tests of the real dialogs: everything else uses the scripted boxes.
TEST(QtUserBoxes, AnswersAsTheButtonPressedWithTheTextAsGivenAndTellsTheCheckBox)
{
    using B = QMessageBox;
    // Buttons, the default, the button pressed (NoButton: Escape), the answer;
    // the check box's caption (none when empty) and whether the user ticks it.
    const std::tuple<Buttons, Answer, B::StandardButton, B::StandardButton, Answer, const char*,
                     bool>
        cases[] = {
            {Buttons::YesNo, Answer::No, B::No, B::NoButton, Answer::No, "", false},
            {Buttons::YesNo, Answer::No, B::No, B::Yes, Answer::Yes, "", false},
            {Buttons::YesNoCancel, Answer::Yes, B::Yes, B::NoButton, Answer::Cancel, "", false},
            {Buttons::YesNoCancel, Answer::Yes, B::Yes, B::No, Answer::No, "", false},
            {Buttons::Ok, Answer::Ok, B::Ok, B::NoButton, Answer::Ok, "Ne prikazuvaj", false},
            {Buttons::Ok, Answer::Ok, B::Ok, B::Ok, Answer::Ok, "Ne prikazuvaj", true},
        };
    for (const auto& [buttons, defaultButton, shownDefault, pressed, answer, checkBox, tick] : cases) {
        QtUserBoxes boxes;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                // An assertion here would return and leave the box waiting
                // for a click that never comes: close what is open instead.
                ADD_FAILURE() << "no message box open";
                if (QWidget* open = QApplication::activeModalWidget())
                    open->close();
                return;
            }
            EXPECT_EQ(box->text(), QStringLiteral("DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE"));
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Dorvik"));
            EXPECT_EQ(box->defaultButton(), box->button(shownDefault));
            EXPECT_EQ(box->checkBox() ? box->checkBox()->text() : QString(), checkBox);
            if (tick && box->checkBox())
                box->checkBox()->setChecked(true);
            pressed == B::NoButton ? box->reject() : box->button(pressed)->click();
        });
        MessageRequest request;
        request.text = "DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE";
        request.buttons = buttons;
        request.defaultButton = defaultButton;
        bool ticked = !tick;
        EXPECT_EQ(*checkBox ? boxes.messageWithCheckBox(request, checkBox, ticked)
                            : boxes.message(request),
                  answer);
        if (*checkBox) {
            EXPECT_EQ(ticked, tick);
        }
    }
}
