#include "platform/qt_user_boxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace dorvik;

// The tests of the real dialogs: everything else uses the scripted boxes.
TEST(QtUserBoxes, AnswersAsTheButtonPressedWithTheTextAsGiven)
{
    using B = QMessageBox;
    // Buttons, the default, the button pressed (NoButton: Escape), the answer.
    const std::tuple<Buttons, Answer, B::StandardButton, B::StandardButton, Answer> cases[] = {
        {Buttons::YesNo, Answer::No, B::No, B::NoButton, Answer::No},
        {Buttons::YesNo, Answer::No, B::No, B::Yes, Answer::Yes},
        {Buttons::YesNoCancel, Answer::Yes, B::Yes, B::NoButton, Answer::Cancel},
        {Buttons::YesNoCancel, Answer::Yes, B::Yes, B::No, Answer::No},
        {Buttons::Ok, Answer::Ok, B::Ok, B::NoButton, Answer::Ok},
    };
    for (const auto& [buttons, defaultButton, shownDefault, pressed, answer] : cases) {
        QtUserBoxes boxes;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), QStringLiteral("DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE"));
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Dorvik"));
            EXPECT_EQ(box->defaultButton(), box->button(shownDefault));
            pressed == B::NoButton ? box->reject() : box->button(pressed)->click();
        });
        MessageRequest request;
        request.text = "DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE";
        request.buttons = buttons;
        request.defaultButton = defaultButton;
        EXPECT_EQ(boxes.message(request), answer);
    }
}

TEST(QtUserBoxes, TellsHowTheCheckBoxWasLeft)
{
    for (const bool tick : {false, true}) {
        QtUserBoxes boxes;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            ASSERT_NE(box->checkBox(), nullptr);
            EXPECT_EQ(box->checkBox()->text(), QStringLiteral("Ne prikazuvaj"));
            EXPECT_FALSE(box->checkBox()->isChecked());
            box->checkBox()->setChecked(tick);
            box->button(QMessageBox::Ok)->click();
        });
        bool ticked = !tick;
        EXPECT_EQ(boxes.messageWithCheckBox({}, "Ne prikazuvaj", ticked), Answer::Ok);
        EXPECT_EQ(ticked, tick);
    }
}
