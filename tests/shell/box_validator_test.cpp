#include "shell/box_validator.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QKeyEvent>

#include <gtest/gtest.h>

using namespace dorvik;

TEST(BoxValidator, ControlCharactersNeverGetInByAnyRoute)
{
    enum class Route { Paste, Typed, Composed };
    struct Case {
        int width;
        QString shown; // set by the program
        int cursor;
        Route route;
        QString inserted;
        QString result;
    };
    const Case cases[] = {
        {35, "", 0, Route::Paste, "Ana Markova\r\n", "Ana Markova"},
        {35, "", 0, Route::Paste, "A\tB\x7f\x01" "C", "ABC"},
        {0, "12", 2, Route::Paste, "\r\n34", "1234"},
        {0, "", 0, Route::Composed, "a\rb", "ab"},
        // A byte of the file stays; the box still edits around it.
        {10, "a\tb", 3, Route::Typed, "c", "a\tbc"},
        {10, "a\tb", 1, Route::Paste, "\n", "a\tb"},
        // Outside the code page: refused whole.
        {35, "ab", 2, Route::Paste, QString(QChar(0x4E2D)) + "x", "ab"},
        {35, "", 0, Route::Typed, QString(QChar(0x0416)), QString(QChar(0x0416))},
        // With a width, blanks behind the cursor make room; nothing else does.
        {4, "ab  ", 3, Route::Typed, "c", "ab c"},
        {4, "ab c", 4, Route::Typed, "x", "ab c"},
        {4, "ab  ", 0, Route::Paste, "12", "12ab"},
        {4, "abcd", 0, Route::Paste, "1", "abcd"},
    };
    for (const Case& c : cases) {
        QLineEdit box;
        new BoxValidator(&box, c.width);
        if (c.width == 0)
            box.setMaxLength(35);
        box.setText(c.shown);
        box.setCursorPosition(c.cursor);
        switch (c.route) {
        case Route::Paste:
            QApplication::clipboard()->setText(c.inserted);
            box.paste();
            break;
        case Route::Typed:
            for (const QChar ch : c.inserted) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
                QApplication::sendEvent(&box, &key);
            }
            break;
        case Route::Composed: {
            QInputMethodEvent composed;
            composed.setCommitString(c.inserted);
            QApplication::sendEvent(&box, &composed);
            break;
        }
        }
        EXPECT_EQ(box.text(), c.result) << c.shown.toStdString() << " + " << c.inserted.toStdString();
    }
}
