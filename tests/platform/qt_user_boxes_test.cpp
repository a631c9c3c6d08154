#include "platform/qt_user_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace dorvik;

// The one test of the real dialogs: everything else uses the scripted boxes.
TEST(QtUserBoxes, MessageKeepsBlanksAndDefaultsToNo)
{
    QtUserBoxes boxes;
    QString seenText;
    QString seenTitle;
    bool defaultIsNo = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seenText = box->text();
        seenTitle = box->windowTitle();
        defaultIsNo = box->defaultButton() == box->button(QMessageBox::No);
        box->defaultButton()->click();
    });
    MessageRequest request;
    request.text = "DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE";
    request.buttons = Buttons::YesNo;
    request.defaultButton = Answer::No;
    EXPECT_EQ(boxes.message(request), Answer::No);
    EXPECT_EQ(seenText, QStringLiteral("DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE"));
    EXPECT_EQ(seenTitle, QStringLiteral("Dorvik"));
    EXPECT_TRUE(defaultIsNo);
}
