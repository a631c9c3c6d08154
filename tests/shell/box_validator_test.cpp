#include "shell/box_validator.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QKeyEvent>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace dorvik;

TEST(BoxValidator, LineBreaksBecomeBlanksAndWhatTheFileCannotHoldIsRefusedAtTheBox)
{
    enum class Route { Paste, Typed, Composed };
    struct Case {
        int width;
        QString shown; // set by the program
        int cursor;
        Route route;
        QString inserted;
        QString result;
        QString named = {}; // in the tooltip
    };
    const Case cases[] = {
        {35, "", 0, Route::Paste, "Ana Markova\r\n", "Ana Markova "},
        {35, "", 0, Route::Paste, "A\tB\x7f\x01" "C", "A BC"},
        {0, "12", 2, Route::Paste, "\r\n\n34", "12  34"},
        {0, "", 0, Route::Composed, "a\rb", "a b"},
        {0, "", 0, Route::Composed, "a\x01" "b", "ab"},
        // A byte of the file stays; the box still edits around it.
        {10, "a\tb", 3, Route::Typed, "c", "a\tbc"},
        {10, "a\tb", 1, Route::Paste, "\x02", "a\tb"},
        // Outside the code page: refused whole.
        {35, "ab", 2, Route::Paste, QString(QChar(0x4E2D)) + "x", "ab"},
        {35, "", 0, Route::Typed, QString(QChar(0x0416)), QString(QChar(0x0416))},
        // Typed: named whole, where the user sees it, in a tooltip at the box (also beyond U+FFFF).
        {35, "", 0, Route::Typed, QString(QChar(0x017D)) + "arko", "", QString(QChar(0x017D))},
        {35, "", 0, Route::Typed, QString::fromUtf8("\xF0\x9F\x98\x80"), "", QString::fromUtf8("\xF0\x9F\x98\x80")},
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
        box.show();
        QToolTip::hideText();
        switch (c.route) {
        case Route::Paste:
            QApplication::clipboard()->setText(c.inserted);
            box.paste();
            break;
        case Route::Typed: {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c.inserted);
            QApplication::sendEvent(&box, &key);
            break;
        }
        case Route::Composed: {
            QInputMethodEvent composed;
            composed.setCommitString(c.inserted);
            QApplication::sendEvent(&box, &composed);
            break;
        }
        }
        EXPECT_EQ(box.text(), c.result) << c.shown.toStdString() << " + " << c.inserted.toStdString();
        if (!c.named.isEmpty()) {
            EXPECT_EQ(QToolTip::text(),
                      QStringLiteral("Znakot '%1' go nema vo kodnata strana na datotekata").arg(c.named));
        }
    }
}
