// The bound boxes never hold more than their field's width.
#include "review_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

using namespace dorvik;
using namespace dorvik::testing;

TEST_F(ReviewTest, TypingIntoAFullBoxPushesOutTrailingBlanks)
{
    open(cleanLines(2));
    QLineEdit* name = box(Field::ImePrezime);
    ASSERT_EQ(name->text().size(), 35);
    // "Ime Prezime 1" then blanks: correct the name in place.
    name->setCursorPosition(3);
    QTest::keyClicks(name, "na");
    EXPECT_EQ(name->text(), QString("Imena Prezime 1").leftJustified(35));
    EXPECT_EQ(name->cursorPosition(), 5);
    std::string stored = "Imena Prezime 1";
    stored.resize(35, ' ');
    click("cmdRec");
    EXPECT_EQ(file().substr(fieldOffset(Field::ImePrezime), 35), stored);

    // A full box with no blanks left refuses another character.
    QLineEdit* year = box(Field::Godina);
    year->setCursorPosition(1);
    QTest::keyClicks(year, "7");
    EXPECT_EQ(year->text(), "99");
    // Typed after the last blank: nothing may be cut behind the cursor.
    name->end(false);
    QTest::keyClicks(name, "Z");
    EXPECT_EQ(name->text().size(), 35);
    EXPECT_FALSE(name->text().endsWith('Z'));
    // Replacing a selection that keeps within the width is fine.
    year->selectAll();
    QTest::keyClicks(year, "01");
    EXPECT_EQ(year->text(), "01");
}

TEST_F(ReviewTest, OverlongPasteAndForeignCharactersAreRefused)
{
    open(cleanLines(1));
    QLineEdit* denari = box(Field::Denari);
    const QString before = denari->text();
    QApplication::clipboard()->setText("1234567890");
    denari->selectAll();
    denari->paste();
    EXPECT_EQ(denari->text(), before);

    // Nine characters into a selection of nine: fits.
    QApplication::clipboard()->setText("000250050");
    denari->selectAll();
    denari->paste();
    EXPECT_EQ(denari->text(), "000250050");

    // A character the file's code page has no byte for.
    QLineEdit* firm = box(Field::Firma);
    const QString firmBefore = firm->text();
    firm->setCursorPosition(0);
    QKeyEvent chinese(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x4E2D)));
    QApplication::sendEvent(firm, &chinese);
    EXPECT_EQ(firm->text(), firmBefore);
    // Cyrillic is in the code page.
    QKeyEvent zhe(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x0416)));
    QApplication::sendEvent(firm, &zhe);
    EXPECT_EQ(firm->text().at(0), QChar(0x0416));
    EXPECT_EQ(firm->text().size(), 35);
}

TEST_F(ReviewTest, NewReportBoxesAreLimitedToo)
{
    open(cleanLines(1));
    click("cmdAddNew");
    QLineEdit* sifra = box(Field::SifraStaz);
    QTest::keyClicks(sifra, "123456");
    EXPECT_EQ(sifra->text(), "1234");
}
