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
        store = std::make_unique<CustomerDataSource>(CustomerDataSource::Options{kPath, newFile},
                                                     fs, boxes);
        return *store;
    }
    Recordset& rs() { return store->rsCustomers; }
    std::string file() const { return fs.files.at(kPath); }
};

std::string bad(int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += std::string(148, 'x') + "\r\n";
    return bytes;
}

} // namespace

TEST_F(Store, LinesRecordsAndTheSummary)
{
    const std::string a = recordLine(1), b = recordLine(2);
    struct Case {
        std::string bytes;
        int records;
        int rejected;
        bool complete;
        std::string summary; // empty: no box
        Icon icon = Icon::None;
    };
    const Case cases[] = {
        // CR LF, a lone CR, a last line without a line end.
        {a + "\r\n" + b + "\r" + a, 3, 0, true, ""},
        // A lone LF is a byte of its line.
        {a.substr(0, 100) + "\n" + a.substr(100) + "\r\n" + b, 1, 1, true,
         tooManyBadLinesMessage(1, 1), Icon::Critical},
        // Empty lines only: an empty file.
        {"\r\n\r\n\r\n", 0, 3, true, ""},
        {"", 0, 0, true, ""},
        // Lines, but none a record: never saved.
        {a + "\n" + b + "\n", 0, 1, false, tooManyBadLinesMessage(0, 1), Icon::Critical},
        {fileOf(records(100)) + bad(10), 100, 10, true, tooManyBadLinesMessage(100, 10),
         Icon::Critical},
        {fileOf(records(101)) + bad(10), 101, 10, true, someBadLinesMessage(101, 10),
         Icon::Information},
        {fileOf(records(10)) + "\r\n", 10, 1, true, tooManyBadLinesMessage(10, 1), Icon::Critical},
        {fileOf(records(11)) + "\r\n", 11, 1, true, someBadLinesMessage(11, 1), Icon::Information},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        boxes.clear();
        load(c.bytes);
        EXPECT_EQ(rs().RecordCount(), c.records);
        EXPECT_EQ(store->rejectedLines(), c.rejected);
        EXPECT_EQ(store->loadedCompletely(), c.complete);
        if (c.summary.empty()) {
            EXPECT_TRUE(boxes.shown().empty());
        } else {
            ASSERT_EQ(boxes.shown().size(), 1u);
            EXPECT_TRUE(isBox(boxes.shown()[0], "KONTROLA", c.summary, c.icon));
        }
        EXPECT_EQ(rs().cursor(), 0);
    }
    EXPECT_EQ(someBadLinesMessage(11, 1),
              "REKAPITULACIJA: Broj na slogovi na disketata 12 ot tie  1  slog-a ne se so regularna "
              "dolzina i nema da se zemat vo predvid vo ponatamoznata obrabotka");
    EXPECT_EQ(tooManyBadLinesMessage(100, 10),
              "REKAPITULACIJA: Disketata ima premnogu gresni slogovi koj ne se so propisanata "
              "golemina i nemoze da se kontrolira." + std::string(17, ' ') + "Broj na slogovi= 100"
                  + std::string(12, ' ') + "Broj na gresni slogovi= 10" + std::string(52, ' ')
                  + "VRATETE ja disketata na popravka i prilozite tehnicko upatstvo za izrabotka "
                    "na istata.");
}

TEST_F(Store, AFailedReadKeepsWhatWasReadAndNeverSaves)
{
    fs.blockSize = 149;
    fs.failReadAfterBlocks = 2;
    load(fileOf(records(3)));
    EXPECT_EQ(rs().RecordCount(), 2);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Input/output error"});
    EXPECT_EQ(store->readError(), "Input/output error");
    EXPECT_FALSE(store->loadedCompletely());
    boxes.clear();
    EXPECT_FALSE(store->WriteToFile());
    EXPECT_TRUE(isBox(boxes.shown().at(0), "Dorvik", kIncompleteSaveMessage, Icon::Critical));
    EXPECT_EQ(file(), fileOf(records(3)));

    fs.failReadAfterBlocks = -1;
    store = std::make_unique<CustomerDataSource>(CustomerDataSource::Options{"/media/a/NEMA", false},
                                                 fs, boxes);
    EXPECT_EQ(store->readError(), "No such file or directory");
}

TEST_F(Store, KeepsTheFirst32767RecordsAndNeverSavesTheRest)
{
    load(fileOf(records(kMaxRecords + 1)));
    EXPECT_EQ(rs().RecordCount(), kMaxRecords);
    EXPECT_TRUE(isBox(boxes.shown().at(0), "KONTROLA", kRecordLimitMessage, Icon::Critical));
    EXPECT_FALSE(store->loadedCompletely());
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
    EXPECT_FALSE(rs().setField(Field::Firma, std::string(36, 'x')));
    EXPECT_FALSE(rs().setField(Field::Firma, "Ana\rMarkova"));
    EXPECT_FALSE(store->hasUnsavedChanges());
    EXPECT_TRUE(rs().setField(Field::Firma, "Ana\nMarkova"));
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
}

TEST_F(Store, ASaveWritesTheRecordsAndSaysSo)
{
    load(fileOf(records(2)) + "\r\n");
    ASSERT_TRUE(rs().MoveLast());
    ASSERT_TRUE(rs().AddNew());
    for (int i = 0; i < kFieldCount; ++i)
        rs().setField(fieldAt(i), fieldOf(recordLine(3), fieldAt(i)));
    rs().setField(Field::ImePrezime, "Nov");
    ASSERT_TRUE(store->WriteToFile());
    EXPECT_EQ(file(), fileOf({recordLine(1), recordLine(2), lineWith(3, {{Field::ImePrezime, "Nov"}})}));
    EXPECT_TRUE(rs().Eof());
    EXPECT_FALSE(store->hasUnsavedChanges());
    EXPECT_EQ(savedStatus(kPath, store->lastSave()), "Snimeni se 3 prijavi vo PRIJAVA.TXT.");
    EXPECT_FALSE(fs.files.count(kPath + ".bak")); // an empty line carries nothing
    EXPECT_EQ(savedStatus("PRIJAVA", {5, true}),
              "Snimeni se 5 prijavi vo PRIJAVA. Originalot e zacuvan vo PRIJAVA.bak.");
}

TEST_F(Store, LinesThatAreNotRecordsAreKeptBesideTheFileOnTheFirstSave)
{
    const std::string original = fileOf(records(2)) + std::string(148, 'x') + "\r\n";
    load(original);
    fs.readOnlyPath = kPath + ".bak";
    boxes.clear();
    EXPECT_FALSE(store->WriteToFile());
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Permission denied"});
    EXPECT_EQ(file(), original);

    fs.readOnlyPath.clear();
    ASSERT_TRUE(store->WriteToFile());
    EXPECT_EQ(fs.files.at(kPath + ".bak"), original);
    EXPECT_EQ(file(), fileOf(records(2)));
    EXPECT_TRUE(store->lastSave().backup);
    ASSERT_TRUE(store->WriteToFile());
    EXPECT_FALSE(store->lastSave().backup);
    EXPECT_EQ(fs.commits, 2 + 0 + 1);
}

TEST_F(Store, ASaveOverAnothersChangesAsksFirst)
{
    load(fileOf(records(2)));
    fs.files[kPath] = fileOf(records(3)); // another window saved meanwhile
    boxes.clear();
    EXPECT_FALSE(store->WriteToFile());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(isBox(boxes.shown()[0], "Dorvik", kChangedOnDiskQuestion, Icon::Exclamation,
                      Buttons::YesNo));
    EXPECT_EQ(boxes.shown()[0].message.defaultButton, Answer::No);
    EXPECT_EQ(file(), fileOf(records(3)));
    EXPECT_EQ(rs().cursor(), 0);

    boxes.answer(Answer::Yes);
    ASSERT_TRUE(store->WriteToFile());
    EXPECT_EQ(file(), fileOf(records(2)));
    // What this store wrote is now what it knows: no question.
    boxes.clear();
    ASSERT_TRUE(store->WriteToFile());
    EXPECT_TRUE(boxes.shown().empty());
    // A file that vanished is written anew without one.
    fs.files.erase(kPath);
    ASSERT_TRUE(store->WriteToFile());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(file(), fileOf(records(2)));
}

TEST_F(Store, ANewFileIsReadForNothingButWhatIsOnTheDisk)
{
    load(fileOf(records(1)), true);
    EXPECT_EQ(rs().RecordCount(), 0);
    EXPECT_TRUE(boxes.shown().empty());
    fs.files[kPath] = "";
    EXPECT_FALSE(store->WriteToFile()); // the file is not what it was
}

TEST_F(Store, AFailedWriteLeavesTheFileAndTellsWhy)
{
    const std::string original = fileOf(records(2));
    struct Case {
        std::string MemoryFileSystem::*option;
        std::string value;
    };
    const Case cases[] = {{&MemoryFileSystem::openError, "Read-only file system"},
                          {&MemoryFileSystem::commitError, "Input/output error"},
                          {&MemoryFileSystem::writeError, "No space left on device"}};
    for (const Case& c : cases) {
        MemoryFileSystem fresh;
        fs = fresh;
        fs.*c.option = c.value;
        if (c.option == &MemoryFileSystem::writeError)
            fs.writeRoom = 100;
        load(original);
        boxes.clear();
        EXPECT_FALSE(store->WriteToFile());
        EXPECT_EQ(boxes.texts(), std::vector<std::string>{c.value});
        EXPECT_EQ(file(), original);
        EXPECT_TRUE(rs().Eof());
    }
}
