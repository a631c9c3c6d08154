#include "entry/focus_step.h"
#include "entry_fixture.h"
#include "shell/report_form.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QVBoxLayout>

using namespace dorvik;
using namespace dorvik::testing;

TEST_F(EntryTest, DigitBoxRefusesLettersMinusAndBlanksAndTheNinthDigitMovesOn)
{
    open();
    box(Field::Denari)->setFocus();
    typeHere("a- Z.");
    EXPECT_EQ(text(Field::Denari), "");
    typeHere("12345678");
    EXPECT_EQ(focused(), box(Field::Denari));
    typeHere("9");
    EXPECT_EQ(text(Field::Denari), "123456789");
    EXPECT_EQ(focused(), box(Field::Boleduvanje));
}

TEST_F(EntryTest, BackspaceDoesNothingInADigitBoxWhileDeleteAndTheArrowsWork)
{
    open();
    typeInto(Field::Mesec, "12");
    press(Qt::Key_Backspace);
    EXPECT_EQ(text(Field::Mesec), "12");
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    press(Qt::Key_Delete);
    EXPECT_EQ(text(Field::Mesec), "2");
    // Tab and Shift+Tab still move the focus out of a digit box.
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), box(Field::VkRabCasovi));
    press(Qt::Key_Backtab);
    EXPECT_EQ(focused(), box(Field::Mesec));
    // The name box takes Backspace as usual.
    typeInto(Field::ImePrezime, "Ana");
    press(Qt::Key_Backspace);
    EXPECT_EQ(text(Field::ImePrezime), "An");
}

TEST_F(EntryTest, NameTakesAnyCharacterAndMovesOnAtThe35th)
{
    open();
    box(Field::ImePrezime)->setFocus();
    const std::string name34 = "Ana-Marija Petrovska 1 " + std::string(11, 'x');
    ASSERT_EQ(name34.size(), 34u);
    typeHere(name34.c_str());
    EXPECT_EQ(focused(), box(Field::ImePrezime));
    typeHere("y");
    EXPECT_EQ(text(Field::ImePrezime), QString::fromStdString(name34 + "y"));
    EXPECT_EQ(focused(), box(Field::Firma));
    // Cyrillic is typed as the code page holds it; what it cannot hold is not.
    QKeyEvent zhe(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x0416)));
    QApplication::sendEvent(box(Field::Firma), &zhe);
    QKeyEvent emoji(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\U0001F600"));
    QApplication::sendEvent(box(Field::Firma), &emoji);
    EXPECT_EQ(text(Field::Firma), QString(QChar(0x0416)));
}

TEST_F(EntryTest, EveryBoxIsLimitedToItsFieldsWidthAndAPasteIsCutThere)
{
    open();
    for (int i = 0; i < kFieldCount; ++i)
        EXPECT_EQ(box(fieldAt(i))->maxLength(), fieldWidth(fieldAt(i))) << i;
    QApplication::clipboard()->setText("12345678901234");
    box(Field::Denari)->setFocus();
    box(Field::Denari)->paste();
    settle();
    EXPECT_EQ(text(Field::Denari), "123456789");
    EXPECT_EQ(focused(), box(Field::Boleduvanje));
    // A full box that gets one more key keeps its text and the focus.
    box(Field::Denari)->setFocus();
    typeHere("5");
    EXPECT_EQ(text(Field::Denari), "123456789");
    EXPECT_EQ(focused(), box(Field::Denari));
}

TEST_F(EntryTest, TabOrderFollowsTheFormAndSkipsTheCounters)
{
    open();
    ASSERT_EQ(focused(), box(Field::LicenBroj));
    const std::vector<QWidget*> expected = {
        box(Field::MaticenBroj), box(Field::RegistarskiBroj), box(Field::Godina),
        box(Field::ImePrezime), box(Field::Firma), box(Field::PeriodOd), box(Field::PeriodDo),
        box(Field::Mesec), box(Field::VkRabCasovi), box(Field::Denari), box(Field::Boleduvanje),
        box(Field::EfektStaz), box(Field::StepenZgolem), box(Field::SifraStaz),
        button("cmdSnimi"), button("cmdNovaPrijava"), button("cmdPregled"),
        box(Field::LicenBroj)}; // the paging buttons are hidden while typing
    for (QWidget* next : expected) {
        press(Qt::Key_Tab);
        ASSERT_EQ(focused(), next) << focused()->objectName().toStdString();
    }
    EXPECT_EQ(counter("txtRecordsV")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(counter("txtPozicijaV")->focusPolicy(), Qt::NoFocus);
}

TEST_F(EntryTest, ScreenLooksLikeTheForm)
{
    open();
    EXPECT_EQ(screen->windowTitle(), "Vnos na novi prijavi...");
    for (int i = 0; i < kFieldCount; ++i) {
        QLineEdit* b = box(fieldAt(i));
        EXPECT_EQ(b->objectName(), ReportForm::boxName(fieldAt(i), ReportForm::Kind::Entry));
        EXPECT_TRUE(b->font().bold());
        EXPECT_DOUBLE_EQ(b->font().pointSizeF(), 9.75);
        EXPECT_EQ(b->alignment() & Qt::AlignHorizontal_Mask,
                  fieldAt(i) == Field::Godina ? Qt::AlignLeft : Qt::AlignHCenter);
    }
    EXPECT_EQ(background(box(Field::Mesec)), QColor(192, 192, 192));
    QLineEdit* total = counter("txtRecordsV");
    EXPECT_EQ(total->toolTip(), "Vkupno prijavi");
    EXPECT_EQ(counter("txtPozicijaV")->toolTip(), "Tekovna pozicija");
    EXPECT_EQ(total->grab().toImage().pixelColor(4, total->height() / 2), QColor(0, 0, 128));

    const std::pair<const char*, const char*> captions[] = {
        {"cmdNovaPrijava", "vnesi"}, {"cmdSnimi", "snimi"}, {"cmdPregled", "pregled"},
        {"cmdFirstV", "Po~etok"}, {"cmdPrevV", "Nazad"}, {"cmdNextV", "Napred"},
        {"cmdLastV", "Kraj"}};
    for (const auto& [name, caption] : captions) {
        ASSERT_NE(button(name), nullptr) << name;
        EXPECT_EQ(button(name)->text(), caption);
        EXPECT_FALSE(button(name)->icon().isNull()) << name;
    }
    EXPECT_EQ(button("cmdFirstV")->toolTip(), "Skok na prvata prijava");
    EXPECT_EQ(button("cmdPrevV")->toolTip(), "Vrakjanje za edno mesto nanazat");
    EXPECT_EQ(button("cmdNextV")->toolTip(), "Edno mesto napred");
    EXPECT_EQ(button("cmdLastV")->toolTip(), "Skok na poslednata prijava");
    // Bottom row, left to right.
    const char* order[] = {"cmdFirstV", "cmdPrevV", "cmdNextV", "cmdLastV", "cmdNovaPrijava",
                           "cmdSnimi", "cmdPregled"};
    const auto x = [this](QWidget* w) { return w->mapTo(screen.get(), QPoint(0, 0)).x(); };
    EXPECT_LT(x(total), x(button(order[0])));
    for (std::size_t i = 1; i < std::size(order); ++i)
        EXPECT_LT(x(button(order[i - 1])), x(button(order[i]))) << order[i];
    EXPECT_LT(x(button("cmdPrevV")), x(counter("txtPozicijaV")));
    EXPECT_LT(x(counter("txtPozicijaV")), x(button("cmdNextV")));
}

// Several steps queued in one handler move the focus that many tab stops,
// after the handler, skipping what is not a tab stop.
TEST(FocusStep, QueuedStepsArriveInOrderAfterTheHandler)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QLineEdit* edits[5];
    for (QLineEdit*& e : edits)
        layout->addWidget(e = new QLineEdit(&window));
    edits[1]->setFocusPolicy(Qt::ClickFocus);
    edits[3]->hide();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edits[0]->setFocus();
    queueFocusStep(&window);
    queueFocusStep(&window);
    EXPECT_EQ(QApplication::focusWidget(), edits[0]);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), edits[4]);

    queueFocusStep(&window);
    queueFocus(edits[1]);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), edits[1]);
}
