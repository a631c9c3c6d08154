// "vnesi" and "snimi": new reports appended to the file, and the questions
// before typed work is dropped.
#include "entry_fixture.h"

#include "check/entry_rules.h"
#include "data/customer_data_source.h"
#include "shell/screen_messages.h"

#include <QSignalSpy>

using namespace dorvik;
using namespace dorvik::testing;

TEST_F(EntryTest, WhatCannotBeSavedStaysOnTheScreen)
{
    files.files[kReportPath] = fileOf(records(2));
    open();
    typeReport(3);
    box(Field::Denari)->clear();
    typeInto(Field::Denari, "15000000"); // eight digits
    pressButton("cmdSnimi");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(isBox(boxes.shown()[0], "Dorvik", kIncompleteReportMessage, Icon::Exclamation));
    EXPECT_EQ(counters(), "2/2");
    EXPECT_EQ(file(), fileOf(records(2)));
    typeHere("0"); // the focus and the text stayed in the box
    // A file that cannot be written: the report stays typed, for the next "snimi",
    // and leaves the store (else that "snimi" would write it twice).
    files.openError = "Read-only file system";
    boxes.clear();
    pressButton("cmdSnimi");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"/a/PRIJAVA.TXT: Read-only file system"});
    files.openError.clear();
    pressButton("cmdSnimi");
    EXPECT_EQ(file(), fileOf({recordLine(1), recordLine(2), lineWith(3, {{Field::Denari, "150000000"}})}));
}

TEST_F(EntryTest, LeavingTypedWorkAsksWhetherToSaveIt)
{
    Module1::AutoGodina = "99";
    Module1::AutoRegistarskiBroj = "1234567897";
    files.files[kReportPath] = fileOf(records(1));
    open();
    // Auto-fill values alone are not typed work.
    pressButton("cmdPregled");
    EXPECT_TRUE(boxes.shown().empty());
    pressButton("cmdNovaPrijava");
    box(Field::Godina)->selectAll();
    typeInto(Field::Godina, "98");
    const auto leave = [&](const std::string& action) {
        boxes.clear();
        if (action == "close")
            return screen->close();
        pressButton(action.c_str());
        return true;
    };
    // Cancel stays; Yes on a report not typed whole stays, saying why.
    for (const char* action : {"cmdNovaPrijava", "cmdPregled", "close"}) {
        for (const Answer answer : {Answer::Cancel, Answer::Yes}) {
            SCOPED_TRACE(action);
            boxes.answer(answer);
            EXPECT_EQ(leave(action), action != std::string("close"));
            ASSERT_EQ(boxes.texts().size(), answer == Answer::Yes ? 2u : 1u);
            // The question's box is the screens' shared one (tests/review/review_screen_test.cpp).
            EXPECT_EQ(boxes.texts()[0], action == std::string("close") ? newReportOnCloseQuestion(kReportPath)
                                                                        : kSaveNewReportQuestion);
            EXPECT_EQ(text(Field::Godina), "98");
            EXPECT_FALSE(screen->previewing());
        }
    }
    // No drops it; Yes on a whole report saves it, then goes on.
    boxes.answer(Answer::No);
    pressButton("cmdPregled");
    EXPECT_TRUE(screen->previewing());
    EXPECT_EQ(file(), fileOf(records(1)));
    pressButton("cmdNovaPrijava");
    typeReport(2);
    boxes.answer(Answer::Yes);
    EXPECT_TRUE(leave("close"));
    EXPECT_EQ(file(), fileOf({recordLine(1), lineWith(2, {{Field::RegistarskiBroj, "1234567897"}})}));
}

TEST_F(EntryTest, VnesiAndSnimiAppendToTheFileAsItIsNowAndSaySo)
{
    // Not read whole: told why, and the screen does not open.
    files.files[kReportPath] = fileOf(records(5));
    files.failReadAfterBlocks = 0;
    frmVnos refused(AppServices{boxes, files, clock}, ReportFile{kReportPath, false});
    EXPECT_FALSE(refused.openReports());
    EXPECT_EQ(boxes.texts().back(), kNoEntryIntoIncompleteFileMessage); // after the store's own message
    files.failReadAfterBlocks = -1;

    open();
    EXPECT_EQ(counters(), "6/6");
    QSignalSpy saved(screen.data(), &Screen::saved);
    typeReport(6);
    pressButton("cmdSnimi");
    EXPECT_EQ(file(), fileOf(records(6)));
    EXPECT_EQ(counters(), "6/6");
    EXPECT_EQ(text(Field::LicenBroj), "");
    EXPECT_EQ(focused(), button("cmdNovaPrijava"));
    QTest::keyClick(focused(), Qt::Key_Return); // "vnesi"
    settle();
    EXPECT_EQ(counters(), "7/7");
    EXPECT_EQ(focused(), box(Field::LicenBroj));

    // Changed by another writer since it was read: appended to what is there now.
    files.files[kReportPath] = fileOf(records(7));
    typeReport(8);
    pressButton("cmdSnimi");
    EXPECT_EQ(file(), fileOf(records(8)));
    EXPECT_EQ(counters(), "8/8");
    ASSERT_EQ(saved.count(), 2);
    EXPECT_EQ(saved[0][0].toString(), "Snimeni se 6 prijavi vo PRIJAVA.TXT."); // no note: read as it was
    EXPECT_EQ(saved[1][0].toString().toStdString(),
              std::string("Snimeni se 8 prijavi vo PRIJAVA.TXT.") + kAppendedToChangedFileNote);

    // When what is there now cannot be read whole, the report stays typed.
    pressButton("cmdNovaPrijava");
    typeReport(9);
    files.files[kReportPath] = std::string(148, 'x') + "\r\n";
    boxes.clear();
    pressButton("cmdSnimi");
    EXPECT_EQ(boxes.texts().back(), kIncompleteSaveMessage); // the store would not write it either
    EXPECT_EQ(text(Field::ImePrezime), "Ime Prezime 9");

    // A full file takes none.
    files.files[kReportPath] = fileOf(records(kMaxRecords));
    boxes.clear();
    open();
    EXPECT_TRUE(isBox(boxes.shown().at(0), "Dorvik", kStoreFullMessage, Icon::Exclamation));
    EXPECT_TRUE(screen->previewing());
    EXPECT_EQ(counters(), "32767/32767");
}

TEST_F(EntryTest, AutoFillFillsEveryNewReportAndTabSkipsItsBoxes)
{
    Module1::AutoGodina = "99";
    Module1::AutoRegistarskiBroj = "1234567897";
    Module1::AutoFirma = "Tekstil DOO Stip";
    Module1::AutoEfektStaz = "0000";
    Module1::AutoStepenZgolem = "     ";
    files.files[kReportPath] = "\r\n\r\n"; // empty lines: no report, and no trouble either
    open();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(counters(), "1/1");
    EXPECT_EQ(text(Field::StepenZgolem), "     ");
    EXPECT_EQ(text(Field::SifraStaz), "0000");
    typeInto(Field::ImePrezime, "Ana");
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), box(Field::PeriodOd));
    typeReport();
    pressButton("cmdSnimi");
    EXPECT_EQ(file(), fileOf({lineWith(0, {{Field::ImePrezime, "Ana"}, {Field::Firma, "Tekstil DOO Stip"}})}));
    pressButton("cmdNovaPrijava");
    EXPECT_EQ(text(Field::Firma), "Tekstil DOO Stip");
    // A year the check refuses is told on every "vnesi" and left empty.
    Module1::AutoGodina = "27";
    Module1::AutoRegistarskiBroj.clear();
    boxes.clear();
    pressButton("cmdNovaPrijava");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{kYearMessage});
    EXPECT_EQ(text(Field::Godina), "");
    EXPECT_EQ(focused(), box(Field::LicenBroj));
}
