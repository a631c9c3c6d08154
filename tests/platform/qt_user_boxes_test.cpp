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
    struct Case {
        Buttons buttons;
        Answer defaultButton;
        QMessageBox::StandardButton pressed; // NoButton: Escape
        Answer answer;
    };
    const Case cases[] = {
        {Buttons::YesNo, Answer::No, QMessageBox::NoButton, Answer::No},
        {Buttons::YesNo, Answer::No, QMessageBox::Yes, Answer::Yes},
        {Buttons::YesNoCancel, Answer::Yes, QMessageBox::NoButton, Answer::Cancel},
        {Buttons::YesNoCancel, Answer::Yes, QMessageBox::No, Answer::No},
        {Buttons::Ok, Answer::Ok, QMessageBox::NoButton, Answer::Ok},
    };
    for (const Case& c : cases) {
        QtUserBoxes boxes;
        QString text, title;
        bool defaultRight = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            title = box->windowTitle();
            defaultRight = box->defaultButton()
                           == box->button(c.defaultButton == Answer::Yes  ? QMessageBox::Yes
                                          : c.defaultButton == Answer::No ? QMessageBox::No
                                                                          : QMessageBox::Ok);
            if (c.pressed == QMessageBox::NoButton)
                box->reject();
            else
                box->button(c.pressed)->click();
        });
        MessageRequest request;
        request.text = "DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE";
        request.buttons = c.buttons;
        request.defaultButton = c.defaultButton;
        EXPECT_EQ(boxes.message(request), c.answer);
        EXPECT_EQ(text, QStringLiteral("DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE"));
        EXPECT_EQ(title, QStringLiteral("Dorvik"));
        EXPECT_TRUE(defaultRight);
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
