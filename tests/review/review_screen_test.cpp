// Opening, paging, correcting, adding and saving on the review screen, and
// the questions that keep work from being lost.
#include "review_fixture.h"

#include "data/customer_data_source.h"
#include "shell/screen_messages.h"

#include <QClipboard>

using namespace dorvik;
using namespace dorvik::testing;

TEST_F(ReviewTest, PagingStopsAtBothEndsWithTheirMessages)
{
    struct Step {
        const char* button;
        const char* counters;
        const char* name; // of the record shown; "" for empty boxes
        const char* message = nullptr;
    };
    const std::pair<int, std::vector<Step>> files[] = {
        {0, {{"cmdNext", "0/0", "", kLastRecordMessage}, {"cmdPrev", "0/0", "", kFirstRecordMessage},
             {"cmdFirst", "0/0", ""}, {"cmdLast", "0/0", ""}}},
        {1, {{"cmdNext", "1/1", "Ime Prezime 1", kLastRecordMessage},
             {"cmdPrev", "1/1", "Ime Prezime 1", kFirstRecordMessage}}},
        {4, {{"cmdPrev", "1/4", "Ime Prezime 1", kFirstRecordMessage}, {"cmdNext", "2/4", "Ime Prezime 2"},
             {"cmdLast", "4/4", "Ime Prezime 4"}, {"cmdNext", "4/4", "Ime Prezime 4", kLastRecordMessage},
             {"cmdPrev", "3/4", "Ime Prezime 3"}, {"cmdFirst", "1/4", "Ime Prezime 1"}}},
    };
    for (const auto& [count, steps] : files) {
        open(fileOf(records(count)));
        EXPECT_EQ(counters(), count ? "1/" + QString::number(count) : "0/0");
        EXPECT_EQ(screen->focusWidget(), button("cmdNext"));
        for (const Step& step : steps) {
            SCOPED_TRACE(std::to_string(count) + " " + step.button);
            boxes.clear();
            click(step.button);
            EXPECT_EQ(counters(), step.counters);
            EXPECT_EQ(name(), step.name);
            EXPECT_EQ(boxes.texts(), step.message ? std::vector<std::string>{step.message}
                                                  : std::vector<std::string>{});
        }
        // Boxes without a record cannot be typed into.
        EXPECT_EQ(box(Field::Firma)->isReadOnly(), count == 0);
    }
}

TEST_F(ReviewTest, ACorrectionIsSavedInPlaceAndTheStatusSaysSo)
{
    open(fileOf(records(4)));
    QSignalSpy saved(screen.data(), &Screen::saved);
    click("cmdNext");
    type(Field::Firma, "Nova");
    click("cmdRec");
    EXPECT_EQ(file(), fileOf({recordLine(1), lineWith(2, {{Field::Firma, "Nova"}}), recordLine(3),
                              recordLine(4)}));
    EXPECT_EQ(counters(), "2/4");
    EXPECT_EQ(text(Field::Firma).trimmed(), "Nova");
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(saved[0][0].toString(), "Snimeni se 4 prijavi vo PRIJAVA.TXT.");
    EXPECT_TRUE(boxes.shown().empty());
    // The first save of a file with a line that is no record keeps the
    // original, and says where in a box of its own.
    open(fileOf(records(2)) + "x\r\n");
    boxes.clear();
    click("cmdRec");
    EXPECT_EQ(file(), fileOf(records(2)));
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{
                                 "Linii od PRIJAVA.TXT sto ne se prijavi od 147 znaci ne se "
                                 "snimeni. Originalot e zacuvan vo PRIJAVA.TXT.bak."});
    EXPECT_EQ(boxes.shown()[0].message.icon, Icon::Information);
    // A record loaded with odd bytes edits and saves byte for byte.
    const std::string odd = lineWith(1, {{Field::ImePrezime, std::string("A\tB\0C", 5)}});
    open(fileOf({odd}));
    box(Field::ImePrezime)->end(false);
    type(Field::Firma, "F");
    click("cmdRec");
    EXPECT_EQ(file(), fileOf({lineWith(1, {{Field::ImePrezime, std::string("A\tB\0C", 5)},
                                           {Field::Firma, "F"}})}));
}

TEST_F(ReviewTest, ANewReportIsAppendedOnceAndPregledShowsIt)
{
    open(fileOf(records(4)));
    click("cmdAddNew");
    EXPECT_EQ(counters(), "5/5");
    EXPECT_EQ(text(Field::Godina), "");
    EXPECT_FALSE(button("cmdNext")->isVisible());
    EXPECT_FALSE(action("mnuPoLicenBr")->isEnabled());
    EXPECT_FALSE(action("mnuListaNaGreski")->isEnabled());
    typeRecord(5);
    click("cmdRec");
    click("cmdRec");
    EXPECT_EQ(file(), fileOf(records(5)));
    EXPECT_EQ(counters(), "5/5");
    click("cmdPreview");
    EXPECT_TRUE(button("cmdNext")->isVisible());
    EXPECT_EQ(name(), "Ime Prezime 5");
    click("cmdPrev");
    EXPECT_EQ(counters(), "4/5");
    // Abandoned without typing: nothing asked, the counters go back.
    click("cmdAddNew");
    click("cmdPreview");
    EXPECT_EQ(counters(), "4/5");
    EXPECT_TRUE(boxes.shown().empty());
    // A full file takes no more.
    open(fileOf(records(kMaxRecords)));
    click("cmdAddNew");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{kStoreFullMessage});
    EXPECT_EQ(counters(), "1/32767");
}

TEST_F(ReviewTest, LeavingATypedNewReportAsksWhetherToSaveIt)
{
    // Cancel keeps it on the screen; No drops it, Yes saves it, and either
    // way the screen goes on: "Pregled" to the record shown before (the one
    // saved), "Nova Prijava" to empty boxes.
    struct Case {
        const char* leave;
        Answer answer;
        const char* shown;
        int saved;
    };
    const Case cases[] = {
        {"cmdPreview", Answer::Cancel, "Ime Prezime 3", 2}, {"cmdPreview", Answer::No, "Ime Prezime 1", 2},
        {"cmdPreview", Answer::Yes, "Ime Prezime 3", 3},    {"cmdAddNew", Answer::Cancel, "Ime Prezime 3", 2},
        {"cmdAddNew", Answer::No, "", 2},                   {"cmdAddNew", Answer::Yes, "", 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.leave) + " " + std::to_string(static_cast<int>(c.answer)));
        open(fileOf(records(2)));
        click("cmdAddNew");
        typeRecord(3);
        boxes.clear();
        boxes.answer(c.answer);
        click(c.leave);
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_TRUE(isBox(boxes.shown()[0], "Dorvik", "Novata prijava ne e snimena. Dali da se snimi?",
                          Icon::Exclamation, Buttons::YesNoCancel, Answer::Yes));
        EXPECT_EQ(name(), c.shown);
        EXPECT_EQ(file(), fileOf(records(c.saved)));
    }
}

TEST_F(ReviewTest, ClosingWithUnsavedWorkAsksWhetherToSave)
{
    struct Case {
        bool newReport;
        Answer answer;
        bool closes;
        bool saved;
    };
    const Case cases[] = {{false, Answer::Cancel, false, false}, {false, Answer::No, true, false},
                          {false, Answer::Yes, true, true},      {true, Answer::Yes, true, true},
                          {true, Answer::No, true, false}};
    for (const Case& c : cases) {
        open(fileOf(records(2)));
        if (c.newReport) {
            click("cmdAddNew");
            typeRecord(3);
        } else {
            type(Field::Firma, "Nova");
        }
        boxes.clear();
        boxes.answer(c.answer);
        EXPECT_EQ(screen->close(), c.closes);
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_TRUE(isBox(boxes.shown()[0], "Dorvik",
                          "Promenite vo PRIJAVA.TXT ne se snimeni. Dali da se snimat?",
                          Icon::Exclamation, Buttons::YesNoCancel, Answer::Yes));
        EXPECT_EQ(file() != fileOf(records(2)), c.saved);
    }
    // Nothing unsaved: closed without a word; a save that fails keeps it open.
    open(fileOf(records(2)));
    boxes.clear();
    EXPECT_TRUE(screen->close());
    open(fileOf(records(2)));
    type(Field::Firma, "Nova");
    files.openError = "Read-only file system";
    boxes.answer(Answer::Yes);
    EXPECT_FALSE(screen->close());
    EXPECT_EQ(boxes.texts().back(), "/a/PRIJAVA.TXT: Read-only file system");
}

TEST_F(ReviewTest, ANewReportThatCouldNotBeWrittenStaysOnTheScreen)
{
    open(fileOf(records(2)));
    click("cmdAddNew");
    typeRecord(3);
    files.openError = "Read-only file system";
    click("cmdRec");
    EXPECT_EQ(name(), "Ime Prezime 3");
    EXPECT_EQ(counters(), "3/3");
    files.openError.clear();
    click("cmdRec");
    EXPECT_EQ(file(), fileOf(records(3)));
}

TEST_F(ReviewTest, TwoScreensOnOneFileNeverEraseEachOthersWork)
{
    open(fileOf(records(2)));
    frmKontrola other(AppServices{boxes, files, clock}, ReportFile{kReportPath, false});
    other.setAttribute(Qt::WA_DeleteOnClose, false);
    type(Field::Firma, "Prva");
    click("cmdRec");
    const std::string first = file();
    other.findChild<QToolButton*>("cmdAddNew")->click();
    other.form()->box(Field::Godina)->setText("99");
    boxes.clear();
    other.findChild<QToolButton*>("cmdRec")->click(); // No, the default
    EXPECT_TRUE(isBox(boxes.shown().at(0), "Dorvik", kChangedOnDiskQuestion, Icon::Exclamation,
                      Buttons::YesNo));
    EXPECT_EQ(file(), first);
    EXPECT_EQ(other.findChild<QLineEdit*>("txtRecords")->text(), "3");
    EXPECT_EQ(other.form()->box(Field::Godina)->text(), "99");
}

TEST_F(ReviewTest, APasteNeverSplitsARecordAndLineBreaksBecomeBlanks)
{
    open(fileOf(records(2)));
    const std::pair<const char*, const char*> pastes[] = {
        {"Ana Markova\r\n", "Ana Markova "}, {"Marko\nMarkovski", "Marko Markovski"},
        {"A\tna\x01", "A na"}, {"Ana\r", "Ana "}, {"A\r\rB", "A  B"}};
    for (const auto& [pasted, stored] : pastes) {
        QApplication::clipboard()->setText(QString::fromLatin1(pasted));
        box(Field::ImePrezime)->selectAll();
        box(Field::ImePrezime)->paste();
        click("cmdRec");
        ASSERT_EQ(linesOf(file()).size(), 2u) << pasted;
        EXPECT_EQ(fieldOf(linesOf(file())[0], Field::ImePrezime).substr(0, strlen(stored)), stored);
    }
}
