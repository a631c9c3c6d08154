// The record set and the store: loading, the cursor, changes and saving.
#include "data/customer_data_source.h"

#include "memory_file_system.h"
#include "records.h"
#include "scripted_boxes.h"

#include <gtest/gtest.h>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

const std::string kPath = "/media/a/PRIJAVA.TXT";

struct Store : ::testing::Test {
    MemoryFileSystem fs;
    ScriptedBoxes boxes;
    std::unique_ptr<CustomerDataSource> store;

    CustomerDataSource& load(std::string bytes, bool newFile = false)
    {
        fs.files[kPath] = std::move(bytes);
        boxes.clear();
        store = std::make_unique<CustomerDataSource>(CustomerDataSource::Options{kPath, newFile},
                                                     fs, boxes);
        return *store;
    }
    Recordset& rs() { return store->rsCustomers; }
    std::string file() const { return fs.files.at(kPath); }
};

} // namespace

// What is read and what is saved is held against a model in the report
// file property (tests/properties); here: the boxes and texts.
TEST_F(Store, TheSummaryAndTheFailuresOfALoadInTheirBoxes)
{
    load(std::string(148, 'x') + "\r\n" + std::string(146, 'x') + "\r\n"); // no record at all
    EXPECT_TRUE(isBox(boxes.shown().at(0), "KONTROLA", tooManyBadLinesMessage(0, 2), Icon::Critical));
    // The line ends are told after the summary.
    load(fileOf(records(10)) + recordLine(11) + "\n\r\n");
    EXPECT_TRUE(isBox(boxes.shown().at(0), "KONTROLA", someBadLinesMessage(11, 1), Icon::Information));
    EXPECT_TRUE(isBox(boxes.shown().at(1), "KONTROLA", otherLineEndsMessage(store->fileFaults()),
                      Icon::Information));

    fs.blockSize = 149;
    fs.failReadAfterBlocks = 2;
    load(fileOf(records(3)));
    EXPECT_EQ(rs().RecordCount(), 2);
    EXPECT_TRUE(isBox(boxes.shown().at(0), "Dorvik", kPath + ": greska pri citanje ili zapisuvanje na diskot"));
    boxes.clear();
    EXPECT_FALSE(store->WriteToFile());
    EXPECT_TRUE(isBox(boxes.shown().at(0), "Dorvik", kIncompleteSaveMessage, Icon::Critical));
}

TEST_F(Store, KeepsTheFirst32767RecordsAndNeverSavesTheRest)
{
    load(fileOf(records(kMaxRecords + 1)));
    EXPECT_EQ(rs().RecordCount(), kMaxRecords);
    EXPECT_TRUE(isBox(boxes.shown().at(0), "KONTROLA", kRecordLimitMessage, Icon::Critical));
    EXPECT_FALSE(store->loadedCompletely());
    EXPECT_TRUE(store->overRecordLimit());
    ASSERT_TRUE(rs().MoveLast());
    EXPECT_FALSE(rs().AddNew());
}

TEST_F(Store, MovesAndTheirFailures)
{
    load("");
    EXPECT_FALSE(rs().MoveFirst());
    EXPECT_FALSE(rs().MoveLast());
    EXPECT_FALSE(rs().MoveTo(0));
    load(fileOf(records(2)));
    int notified = 0;
    rs().addCursorListener([&] { ++notified; });
    rs().removeCursorListener(rs().addCursorListener([&] { notified += 100; }));
    EXPECT_FALSE(rs().MoveTo(2));
    EXPECT_FALSE(rs().MoveTo(-1));
    EXPECT_TRUE(rs().MoveTo(1));
    EXPECT_EQ(rs().field(Field::ImePrezime).substr(0, 13), "Ime Prezime 2");
    EXPECT_TRUE(rs().MoveNext());
    EXPECT_TRUE(rs().Eof());
    EXPECT_FALSE(rs().MoveNext());
    EXPECT_FALSE(rs().setField(Field::Godina, "01"));
    EXPECT_EQ(rs().currentLine(), "");
    EXPECT_TRUE(rs().MoveFirst());
    EXPECT_TRUE(rs().MovePrevious());
    EXPECT_TRUE(rs().Bof());
    EXPECT_FALSE(rs().MovePrevious());
    EXPECT_EQ(notified, 4);
}

TEST_F(Store, ChangesAreRefusedWhenTheFieldCannotHoldThem)
{
    load(fileOf(records(1)));
    EXPECT_FALSE(store->hasUnsavedChanges());
    // Too long (a CR or LF is refused too: the report file property holds that).
    EXPECT_FALSE(rs().setField(Field::Firma, std::string(36, 'x')));
    EXPECT_FALSE(store->hasUnsavedChanges());
    EXPECT_TRUE(rs().setField(Field::Firma, "Ana\tMarkova"));
    EXPECT_TRUE(store->hasUnsavedChanges());

    // A new record taken out again leaves the cursor where it was; once
    // moved from, it stays.
    ASSERT_TRUE(store->WriteToFile());
    ASSERT_TRUE(rs().MoveFirst());
    ASSERT_TRUE(rs().AddNew());
    EXPECT_TRUE(store->hasUnsavedChanges());
    rs().CancelUpdate();
    rs().CancelUpdate();
    EXPECT_EQ(rs().RecordCount(), 1);
    EXPECT_EQ(rs().cursor(), 0);
    EXPECT_FALSE(store->hasUnsavedChanges());
    for (bool (Recordset::*move)() : {&Recordset::MoveFirst, &Recordset::MoveLast,
                                      &Recordset::MovePrevious, &Recordset::MoveNext}) {
        ASSERT_TRUE(rs().AddNew());
        (rs().*move)();
        rs().CancelUpdate();
    }
    ASSERT_TRUE(rs().AddNew());
    rs().MoveTo(0);
    rs().CancelUpdate();
    EXPECT_EQ(rs().RecordCount(), 6);
    // Saved, a new record stays; read anew, unsaved work is gone.
    ASSERT_TRUE(rs().AddNew());
    ASSERT_TRUE(store->WriteToFile());
    rs().CancelUpdate();
    EXPECT_EQ(rs().RecordCount(), 7);
    ASSERT_TRUE(rs().MoveFirst() && rs().setField(Field::Firma, "Nova"));
    EXPECT_TRUE(store->reload());
    EXPECT_FALSE(store->hasUnsavedChanges());
}

TEST_F(Store, SavesKeepTheOriginalUnderAFreeNameAndAskBeforeOverwritingAnothersWork)
{
    const std::string original = fileOf(records(2)) + std::string(148, 'x') + "\r\n";
    load(original);
    fs.readOnlyPath = kPath + ".bak"; // the copy cannot be kept: nothing is saved
    EXPECT_FALSE(store->WriteToFile());
    EXPECT_EQ(file(), original);
    EXPECT_TRUE(isBox(boxes.shown().back(), "Dorvik", kPath + ".bak: nema dozvola za pristap"));
    fs.readOnlyPath.clear();
    // The user's own files of those names stay as they are.
    fs.files[kPath + ".bak"] = "mine";
    fs.files[kPath + ".1.bak"] = "mine too";
    ASSERT_TRUE(store->WriteToFile());
    EXPECT_EQ(fs.files.at(kPath + ".2.bak"), original);
    EXPECT_EQ(fs.files.at(kPath + ".bak"), "mine");
    EXPECT_EQ(fs.files.at(kPath + ".1.bak"), "mine too");
    EXPECT_EQ(store->lastSave().backupPath, kPath + ".2.bak");
    EXPECT_TRUE(rs().Eof());

    fs.files[kPath] = fileOf(records(3)); // another window saved meanwhile
    EXPECT_TRUE(store->changedOnDisk());
    boxes.clear();
    EXPECT_FALSE(store->WriteToFile());
    EXPECT_TRUE(isBox(boxes.shown().at(0), "Dorvik", kChangedOnDiskQuestion, Icon::Exclamation,
                      Buttons::YesNo, Answer::No));
    boxes.answer(Answer::Yes);
    ASSERT_TRUE(store->WriteToFile());
    EXPECT_EQ(store->lastSave().backupPath, ""); // kept once only
    EXPECT_FALSE(store->changedOnDisk());

    // Read anew, the store holds what is on the disk now.
    fs.files[kPath] = fileOf(records(3));
    EXPECT_TRUE(store->reload());
    EXPECT_EQ(rs().RecordCount(), 3);
    EXPECT_FALSE(store->changedOnDisk());
    fs.files.erase(kPath);
    EXPECT_TRUE(store->changedOnDisk());

    // A file just created empty is read for nothing but what is on the disk.
    load(fileOf(records(1)), true);
    EXPECT_EQ(rs().RecordCount(), 0);
    fs.files[kPath] = "";
    EXPECT_FALSE(store->WriteToFile());
}
