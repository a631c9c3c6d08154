// Opening, paging, and the two modes of correcting, adding and saving.
#include "review_fixture.h"

#include <QApplication>
#include <QTest>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

const std::string kFirstEdge =
    "Dojdovte do prvata  prijava, mozete samo da se navratite na predhodnite prijavi";
const std::string kLastEdge =
    "Dojdovte do krajnata prijava, mozete samo da se navratite na predhodnite prijavi";

std::vector<std::string> fileLines(const std::string& bytes)
{
    // The store writes every line with CR LF.
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

} // namespace

TEST_F(ReviewTest, OpensOnRecordOneAtTheTopLeftWithFocusOnNapred)
{
    open(cleanLines(3));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
    EXPECT_EQ(screen->windowTitle(), "Pregled i kontrola na prijavi...");
    EXPECT_EQ(screen->objectName(), "frmKontrola");
    EXPECT_EQ(screen->pos(), QPoint(0, 0));
    EXPECT_EQ(name(), "Ime Prezime 1");
    EXPECT_EQ(position(), "1");
    EXPECT_EQ(total(), "3");
    EXPECT_FALSE(progress()->isVisible());
    EXPECT_EQ(screen->focusWidget(), button("cmdNext"));
    EXPECT_TRUE(boxes.shown().empty());
    // A stored value is shown at full width.
    EXPECT_EQ(text(Field::Firma).size(), 35);
}

TEST_F(ReviewTest, BandAndMenuReadAsOnTheForm)
{
    open(cleanLines(1));
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"cmdFirst", "Po~etok"}, {"cmdPrev", "Nazad"},       {"cmdNext", "Napred"},
        {"cmdLast", "Kraj"},     {"cmdAddNew", "Nova Prijava"}, {"cmdRec", "Snimi"},
        {"cmdPreview", "Pregled"}, {"cmdRekap", "Rekap"},    {"cmdKontrola", "Kontrola"}};
    int previousX = -1;
    for (const auto& [name, caption] : captions) {
        QToolButton* b = button(name);
        EXPECT_EQ(b->text(), caption);
        const int x = b->mapTo(screen.get(), QPoint(0, 0)).x();
        EXPECT_GT(x, previousX) << name << " stands left to right in the band";
        previousX = x;
    }
    EXPECT_EQ(button("cmdKontrola")->toolTip(), "Kontrola na podatocite");
    EXPECT_EQ(button("cmdPrev")->toolTip(), "Vrakjanje za edno mesto nanazat");
    EXPECT_EQ(edit("txtRecords")->toolTip(), "Vkupno prijavi");
    EXPECT_EQ(edit("txtPozicija")->toolTip(), "Tekovna pozicija");
    EXPECT_EQ(action("mnuPoLicenBr")->shortcut(), QKeySequence("Ctrl+L"));
    EXPECT_EQ(action("mnuPoMaticenBr")->shortcut(), QKeySequence("Ctrl+M"));
    EXPECT_EQ(action("mnuPoRedenBroj")->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(action("mnuPoMaticenBr")->text(), "Po M&acen broj");

    // The form's inner area: 643 by 466 below the menu.
    EXPECT_EQ(screen->form()->width(), 643);
    EXPECT_EQ(screen->height() - screen->form()->y(), 466);

    // Colours, as drawn.
    QToolButton* next = button("cmdNext");
    EXPECT_EQ(next->grab().toImage().pixelColor(next->width() / 2, next->height() - 6),
              QColor(255, 255, 0));
    QToolButton* save = button("cmdRec");
    EXPECT_EQ(save->grab().toImage().pixelColor(6, 6), QColor(255, 128, 128));
    QWidget* band = screen->findChild<QWidget*>("bandKontrola");
    EXPECT_EQ(band->grab().toImage().pixelColor(1, 1), QColor(0, 0, 128));
    QLineEdit* counter = edit("txtRecords");
    EXPECT_EQ(counter->grab().toImage().pixelColor(3, 3), QColor(0, 0, 128));
    EXPECT_EQ(background(box(Field::Denari)), QColor(192, 192, 192));
}

TEST_F(ReviewTest, TabOrderFollowsTheForm)
{
    open(cleanLines(2));
    const QStringList expected = {
        "cmdNext", "txtGodina", "txtRegBroj", "txtImePrezime", "txtFirma", "cmdPrev",
        "cmdLast", "cmdFirst", "cmdKontrola", "txtLicenBroj", "txtMaticenBroj", "txtPeriodOd",
        "txtPeriodDo", "txtMesec", "txtBoleduvanje", "txtDenari", "txtCasovi", "txtEfektStaz",
        "txtStepenZgolem", "txtSifraStaz", "cmdRekap", "cmdAddNew", "cmdRec", "cmdPreview",
        "cmdNext"};
    QWidget* w = button("cmdNext");
    QStringList walked = {w->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(screen.get())
               || !w->isEnabled());
        walked << w->objectName();
    }
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(edit("txtPozicija")->focusPolicy(), Qt::NoFocus);
}

TEST_F(ReviewTest, PagingStopsAtBothEdgesWithTheirMessages)
{
    open(cleanLines(4));
    click("cmdPrev");
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{kFirstEdge});
    EXPECT_EQ(boxes.shown().back().message.title, "Dorvik");
    EXPECT_EQ(boxes.shown().back().message.icon, Icon::None);
    EXPECT_EQ(position(), "1");
    EXPECT_EQ(name(), "Ime Prezime 1");

    click("cmdFirst");
    EXPECT_EQ(boxes.shown().size(), 1u);
    click("cmdLast");
    EXPECT_EQ(name(), "Ime Prezime 4");
    EXPECT_EQ(position(), "4");
    click("cmdLast");
    click("cmdNext");
    EXPECT_EQ(lastMessage(), kLastEdge);
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(position(), "4");
    EXPECT_EQ(name(), "Ime Prezime 4");

    click("cmdPrev");
    EXPECT_EQ(name(), "Ime Prezime 3");
    EXPECT_EQ(position(), "3");
    click("cmdFirst");
    click("cmdNext");
    EXPECT_EQ(name(), "Ime Prezime 2");
    EXPECT_EQ(position(), "2");
}

TEST_F(ReviewTest, OneRecordFileRefusesBothWays)
{
    open(cleanLines(1));
    click("cmdNext");
    click("cmdPrev");
    EXPECT_EQ(boxes.messageTexts(), (std::vector<std::string>{kLastEdge, kFirstEdge}));
    EXPECT_EQ(position(), "1");
    EXPECT_EQ(total(), "1");
    EXPECT_EQ(name(), "Ime Prezime 1");
}

TEST_F(ReviewTest, EmptyFileShowsNothingAndMovesNothing)
{
    open({});
    EXPECT_EQ(total(), "0");
    EXPECT_EQ(position(), "0");
    for (QLineEdit* b : screen->form()->boxes()) {
        EXPECT_TRUE(b->text().isEmpty());
        EXPECT_TRUE(b->isReadOnly());
    }
    click("cmdFirst");
    click("cmdLast");
    EXPECT_TRUE(boxes.shown().empty());
    click("cmdPrev");
    click("cmdNext");
    EXPECT_EQ(boxes.messageTexts(), (std::vector<std::string>{kFirstEdge, kLastEdge}));
    EXPECT_EQ(position(), "0");
    click("cmdRec");
    EXPECT_EQ(files.commits, 0);
    EXPECT_EQ(file(), "");

    // A new report still works on an empty file.
    click("cmdAddNew");
    EXPECT_FALSE(box(Field::Godina)->isReadOnly());
    EXPECT_EQ(total(), "1");
    QTest::keyClicks(box(Field::Godina), "99");
    click("cmdRec");
    EXPECT_EQ(fileLines(file()).size(), 1u);
    EXPECT_EQ(file().substr(0, 2), "99");
}

TEST_F(ReviewTest, FirmaCorrectedOnRecordFiveIsSavedAndTheRestStays)
{
    const auto lines = cleanLines(10);
    open(lines);
    for (int i = 0; i < 4; ++i)
        click("cmdNext");
    ASSERT_EQ(position(), "5");
    QLineEdit* firm = box(Field::Firma);
    firm->selectAll();
    QTest::keyClicks(firm, "Nova Firma Ohrid");
    click("cmdRec");

    const auto saved = fileLines(file());
    ASSERT_EQ(saved.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        if (i == 4)
            EXPECT_EQ(saved[i], lineWith(5, {{Field::Firma, "Nova Firma Ohrid"}}));
        else
            EXPECT_EQ(saved[i], lines[i]) << "line " << i + 1;
    }
    EXPECT_EQ(position(), "5");
    EXPECT_EQ(name(), "Ime Prezime 5");
    EXPECT_EQ(text(Field::Firma).trimmed(), "Nova Firma Ohrid");
    // And paging goes on from there.
    click("cmdNext");
    EXPECT_EQ(name(), "Ime Prezime 6");
}

TEST_F(ReviewTest, NewReportSavedTwiceAppendsOnceThenPregledShowsIt)
{
    open(cleanLines(10));
    const std::string before = file();
    click("cmdAddNew");
    for (QLineEdit* b : screen->form()->boxes())
        EXPECT_TRUE(b->text().isEmpty());
    for (const char* nav : {"cmdFirst", "cmdPrev", "cmdNext", "cmdLast"})
        EXPECT_FALSE(button(nav)->isVisible()) << nav;
    EXPECT_EQ(total(), "11");
    EXPECT_EQ(position(), "11");
    EXPECT_EQ(file(), before);
    EXPECT_FALSE(action("mnuPoLicenBr")->isEnabled());
    EXPECT_FALSE(button("cmdKontrola")->isEnabled());

    const std::string added = lineWith(11, {{Field::ImePrezime, "Nov Rabotnik"}});
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = fieldAt(i);
        const std::string value(ReportRecord::fromLine(added).value(f));
        QTest::keyClicks(box(f), QString::fromLatin1(value.data(), qsizetype(value.size())));
    }
    click("cmdRec");
    EXPECT_EQ(fileLines(file()).size(), 11u);
    EXPECT_EQ(fileLines(file()).back(), added);
    // Still a new report, with the typed values: the same record again.
    EXPECT_EQ(name(), "Nov Rabotnik");
    QLineEdit* hours = box(Field::VkRabCasovi);
    hours->selectAll();
    QTest::keyClicks(hours, "2000");
    click("cmdRec");
    const auto lines = fileLines(file());
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines.back(), lineWith(11, {{Field::ImePrezime, "Nov Rabotnik"},
                                          {Field::VkRabCasovi, "2000"}}));
    EXPECT_EQ(total(), "11");

    click("cmdPreview");
    EXPECT_EQ(name(), "Nov Rabotnik");
    EXPECT_EQ(position(), "11");
    for (const char* nav : {"cmdFirst", "cmdPrev", "cmdNext", "cmdLast"})
        EXPECT_TRUE(button(nav)->isVisible()) << nav;
    EXPECT_TRUE(action("mnuPoLicenBr")->isEnabled());
    click("cmdPrev");
    EXPECT_EQ(name(), "Ime Prezime 10");
    EXPECT_EQ(position(), "10");
    click("cmdLast");
    click("cmdNext");
    EXPECT_EQ(lastMessage(), kLastEdge);
}

TEST_F(ReviewTest, AbandonedNewReportLeavesNoTrace)
{
    open(cleanLines(5));
    click("cmdNext");
    click("cmdNext");
    click("cmdAddNew");
    click("cmdAddNew"); // pressed again: counted once
    EXPECT_EQ(total(), "6");
    EXPECT_EQ(position(), "6");
    QTest::keyClicks(box(Field::Godina), "01");
    click("cmdPreview");
    EXPECT_EQ(total(), "5");
    EXPECT_EQ(position(), "3");
    EXPECT_EQ(name(), "Ime Prezime 3");
    EXPECT_EQ(text(Field::Godina), "99");
    // Nothing is pending: the next save overwrites record 3, it appends nothing.
    click("cmdRec");
    EXPECT_EQ(fileLines(file()).size(), 5u);
    EXPECT_EQ(fileLines(file())[2], recordLine(3));
    click("cmdNext");
    EXPECT_EQ(position(), "4");
    EXPECT_EQ(name(), "Ime Prezime 4");
}

TEST_F(ReviewTest, SecondNewReportAfterASavedOneCountsAgain)
{
    open(cleanLines(2));
    click("cmdAddNew");
    QTest::keyClicks(box(Field::Godina), "98");
    click("cmdRec");
    click("cmdAddNew");
    EXPECT_EQ(total(), "4");
    EXPECT_EQ(position(), "4");
    EXPECT_TRUE(text(Field::Godina).isEmpty());
    click("cmdPreview"); // abandons the second only
    EXPECT_EQ(total(), "3");
    EXPECT_EQ(position(), "3");
    EXPECT_EQ(text(Field::Godina), "98");
}

TEST_F(ReviewTest, NewReportRefusedOnAFullStore)
{
    std::string bytes;
    const std::string line = recordLine(1) + "\r\n";
    bytes.reserve(line.size() * kMaxRecords);
    for (int i = 0; i < kMaxRecords; ++i)
        bytes += line;
    openBytes(bytes);
    EXPECT_EQ(total(), "32767");
    click("cmdAddNew");
    ASSERT_EQ(boxes.shown().size(), 1u);
    const MessageRequest& m = boxes.shown().back().message;
    EXPECT_EQ(m.text, "Datotekata vekje ima 32767 prijavi i nemoze da primi nova prijava.");
    EXPECT_EQ(m.icon, Icon::Exclamation);
    EXPECT_EQ(m.title, "Dorvik");
    EXPECT_EQ(total(), "32767");
    EXPECT_EQ(position(), "1");
    EXPECT_TRUE(button("cmdNext")->isVisible());
    EXPECT_EQ(name(), "Ime Prezime 1");
}

TEST_F(ReviewTest, TwoScreensKeepTheirOwnCounters)
{
    open(cleanLines(3));
    frmKontrola* first = screen.release();
    open(cleanLines(7));
    std::unique_ptr<frmKontrola> firstScreen(first);
    firstScreen->setAttribute(Qt::WA_DeleteOnClose, false);
    click("cmdLast");
    click("cmdAddNew");
    auto* firstTotal = firstScreen->findChild<QLineEdit*>("txtRecords");
    auto* firstPosition = firstScreen->findChild<QLineEdit*>("txtPozicija");
    firstScreen->findChild<QToolButton*>("cmdNext")->click();
    EXPECT_EQ(firstTotal->text(), "3");
    EXPECT_EQ(firstPosition->text(), "2");
    // The first screen's save overwrites its own record 2, appending nothing.
    firstScreen->findChild<QToolButton*>("cmdRec")->click();
    EXPECT_EQ(fileLines(file()).size(), 3u);
    EXPECT_EQ(total(), "8");
}

TEST_F(ReviewTest, ClosingSavesNothing)
{
    open(cleanLines(2));
    const std::string before = file();
    QLineEdit* firm = box(Field::Firma);
    firm->selectAll();
    QTest::keyClicks(firm, "X");
    EXPECT_TRUE(screen->close());
    EXPECT_EQ(file(), before);
    EXPECT_EQ(files.commits, 0);
}

TEST_F(ReviewTest, KeyboardAloneReachesTheCommands)
{
    open(cleanLines(3));
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    ASSERT_EQ(QApplication::focusWidget(), button("cmdNext"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(150); // the pressed look of animateClick
    EXPECT_EQ(position(), "2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(position(), "3");

    boxes.answerInput("1");
    QTest::keyClick(screen.get(), Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].input.prompt, "Vnesi Reden  broj na slogot");
    EXPECT_EQ(position(), "1");
}

TEST_F(ReviewTest, FailedSaveKeepsTheRecordInView)
{
    open(cleanLines(3));
    click("cmdNext");
    files.commitError = "No space left on device";
    boxes.onShow([this](const ShownBox&) { EXPECT_EQ(name(), "Ime Prezime 2"); });
    click("cmdRec");
    EXPECT_EQ(lastMessage(), "No space left on device");
    EXPECT_EQ(name(), "Ime Prezime 2");
    EXPECT_EQ(position(), "2");
}
