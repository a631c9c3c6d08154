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
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(saved[0][0].toString(), "Snimeni se 4 prijavi vo PRIJAVA.TXT.");
    EXPECT_TRUE(boxes.shown().empty());
    // The first save of a file with a line that is no record keeps the
    // original (under the store's name for it), and says where in a box of its own.
    open(fileOf(records(2)) + "x\r\n");
    click("cmdRec");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{backupNotice(kReportPath, {2, "/a/PRIJAVA.TXT.bak"})});
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
    // Not written: it stays on the screen, to be saved once the disk lets it.
    files.openError = "Read-only file system";
    click("cmdRec");
    EXPECT_EQ(name(), "Ime Prezime 5");
    files.openError.clear();
    boxes.clear();
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

// Unsaved work asks before it goes: Cancel keeps it on the screen, No drops
// it, Yes saves it. A new report left by "Pregled" goes on to the record
// shown before (the one saved), by "Nova Prijava" to empty boxes; a screen
// closed asks about a corrected record and a new report alike.
TEST_F(ReviewTest, LeavingOrClosingOverUnsavedWorkAsksWhetherToSave)
{
    struct Case {
        bool newReport; // else record 1 corrected
        const char* leave; // nullptr: the screen closed
        Answer answer;
        const char* shown; // after leaving
        bool saved;
    };
    const Case cases[] = {
        {true, "cmdPreview", Answer::Cancel, "Ime Prezime 3", false},
        {true, "cmdPreview", Answer::No, "Ime Prezime 1", false},
        {true, "cmdPreview", Answer::Yes, "Ime Prezime 3", true},
        {true, "cmdAddNew", Answer::Cancel, "Ime Prezime 3", false},
        {true, "cmdAddNew", Answer::No, "", false},          {true, "cmdAddNew", Answer::Yes, "", true},
        {false, nullptr, Answer::Cancel, nullptr, false},    {false, nullptr, Answer::No, nullptr, false},
        {false, nullptr, Answer::Yes, nullptr, true},        {true, nullptr, Answer::Yes, nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.leave ? c.leave : "close") + " " + std::to_string(static_cast<int>(c.answer)));
        open(fileOf(records(2)));
        if (c.newReport) {
            click("cmdAddNew");
            typeRecord(3);
        } else {
            type(Field::Firma, "Nova");
        }
        boxes.clear();
        boxes.answer(c.answer);
        if (c.leave) {
            click(c.leave);
            EXPECT_EQ(name(), c.shown);
        } else {
            EXPECT_EQ(screen->close(), c.answer != Answer::Cancel);
        }
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_TRUE(isBox(boxes.shown()[0], kAppTitle,
                          c.leave ? kSaveNewReportQuestion : unsavedChangesQuestion(kReportPath),
                          Icon::Exclamation, Buttons::YesNoCancel, Answer::Yes));
        const std::string corrected = fileOf({lineWith(1, {{Field::Firma, "Nova"}}), recordLine(2)});
        EXPECT_EQ(file(), !c.saved ? fileOf(records(2)) : c.newReport ? fileOf(records(3)) : corrected);
    }
    // Nothing unsaved: closed without a word; a save that fails keeps it open.
    open(fileOf(records(2)));
    EXPECT_TRUE(screen->close());
    open(fileOf(records(2)));
    type(Field::Firma, "Nova");
    files.openError = "Read-only file system";
    boxes.answer(Answer::Yes);
    EXPECT_FALSE(screen->close());
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
    other.findChild<QToolButton*>("cmdRec")->click(); // the store's question; No, its default
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{kChangedOnDiskQuestion});
    EXPECT_EQ(file(), first);
    EXPECT_EQ(other.findChild<QLineEdit*>("txtRecords")->text(), "3");
    EXPECT_EQ(other.form()->box(Field::Godina)->text(), "99");
}

// The boxes take a paste through the validator every box has (its cases:
// tests/shell/box_validator_test.cpp).
TEST_F(ReviewTest, APasteNeverSplitsARecordAndLineBreaksBecomeBlanks)
{
    open(fileOf(records(2)));
    QApplication::clipboard()->setText("Ana\r\nMarko\tva\x01");
    box(Field::ImePrezime)->selectAll();
    box(Field::ImePrezime)->paste();
    click("cmdRec");
    EXPECT_EQ(file(), fileOf({lineWith(1, {{Field::ImePrezime, "Ana Marko va"}}), recordLine(2)}));
}
