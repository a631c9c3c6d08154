#include "data/customer_data_source.h"

#include "memory_file_system.h"
#include "scripted_boxes.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

using namespace dorvik;
using dorvik::testing::MemoryFileSystem;
using dorvik::testing::recordLine;
using dorvik::testing::ScriptedBoxes;

namespace {

const std::string kPath = "/media/a/PRIJAVA.TXT";

std::string lines(int good, int bad, const char* end = "\r\n")
{
    std::string out;
    for (int i = 0; i < good; ++i)
        out += recordLine(i) + end;
    for (int i = 0; i < bad; ++i)
        out += std::string(146, 'x') + end;
    return out;
}

struct Loaded {
    MemoryFileSystem fs;
    ScriptedBoxes boxes;
    std::unique_ptr<CustomerDataSource> store;

    explicit Loaded(std::string bytes, bool newFile = false)
    {
        fs.files[kPath] = std::move(bytes);
        store = std::make_unique<CustomerDataSource>(
            CustomerDataSource::Options{kPath, newFile}, fs, boxes);
    }
};

} // namespace

TEST(StoreLoading, LineEndsAndLengths)
{
    const std::string a = recordLine(1), b = recordLine(2), c = recordLine(3);
    // CR LF, a lone CR, a last line without terminator.
    Loaded mixed(a + "\r\n" + b + "\r" + c);
    EXPECT_EQ(mixed.store->rsCustomers.RecordCount(), 3);
    EXPECT_EQ(mixed.store->rsCustomers.record(1).line(), b);
    EXPECT_TRUE(mixed.boxes.shown().empty());

    // A lone LF is part of the line: 148 bytes, not a record.
    Loaded lf(a.substr(0, 100) + "\n" + a.substr(100) + "\r\n" + b + "\r\n");
    EXPECT_EQ(lf.store->rsCustomers.RecordCount(), 1);
    EXPECT_EQ(lf.store->rejectedLines(), 1);

    // 146 and 148 bytes, trailing blanks included, and blank lines, are rejected.
    Loaded lengths(a + " \r\n" + a.substr(0, 146) + "\r\n\r\n" + b + "\r\n\r\n");
    EXPECT_EQ(lengths.store->rsCustomers.RecordCount(), 1);
    EXPECT_EQ(lengths.store->rejectedLines(), 4);
}

TEST(StoreLoading, SummaryMessageThresholds)
{
    struct Case {
        int good, bad;
        Icon icon;
        std::string text;
    } cases[] = {
        {100, 10, Icon::Critical, tooManyBadLinesMessage(100, 10)},
        {101, 10, Icon::Information, someBadLinesMessage(101, 10)},
        {10, 1, Icon::Critical, tooManyBadLinesMessage(10, 1)},
        {11, 1, Icon::Information, someBadLinesMessage(11, 1)},
    };
    for (const Case& c : cases) {
        Loaded loaded(lines(c.good, c.bad));
        EXPECT_EQ(loaded.store->rsCustomers.RecordCount(), c.good);
        ASSERT_EQ(loaded.boxes.shown().size(), 1u) << c.good << "/" << c.bad;
        const MessageRequest& box = loaded.boxes.shown()[0].message;
        EXPECT_EQ(box.title, "KONTROLA");
        EXPECT_EQ(box.icon, c.icon);
        EXPECT_EQ(box.buttons, Buttons::Ok);
        EXPECT_EQ(box.text, c.text);
        EXPECT_TRUE(loaded.store->loadedCompletely());
    }
}

TEST(StoreLoading, SummaryTextsAreExact)
{
    EXPECT_EQ(tooManyBadLinesMessage(100, 10),
              "REKAPITULACIJA: Disketata ima premnogu gresni slogovi koj ne se so propisanata "
              "golemina i nemoze da se kontrolira.                 Broj na slogovi= 100"
              "            Broj na gresni slogovi= 10"
              "                                                    VRATETE ja disketata na "
              "popravka i prilozite tehnicko upatstvo za izrabotka na istata.");
    EXPECT_EQ(someBadLinesMessage(11, 1),
              "REKAPITULACIJA: Broj na slogovi na disketata 12 ot tie  1  slog-a ne se so "
              "regularna dolzina i nema da se zemat vo predvid vo ponatamoznata obrabotka");
}

TEST(StoreLoading, NoRecordButSomeLinesIsReportedAndNeverSaved)
{
    // Line-feed-only line ends read as one long line.
    Loaded loaded(lines(3, 0, "\n"));
    EXPECT_EQ(loaded.store->rsCustomers.RecordCount(), 0);
    ASSERT_EQ(loaded.boxes.messageTexts(), std::vector<std::string>{tooManyBadLinesMessage(0, 1)});
    EXPECT_NE(loaded.boxes.messageTexts()[0].find("Broj na slogovi= 0 "), std::string::npos);
    EXPECT_FALSE(loaded.store->loadedCompletely());

    const std::string before = loaded.fs.files[kPath];
    loaded.boxes.clear();
    EXPECT_FALSE(loaded.store->WriteToFile());
    EXPECT_EQ(loaded.boxes.messageTexts(), std::vector<std::string>{kIncompleteSaveMessage});
    EXPECT_EQ(loaded.boxes.shown()[0].message.icon, Icon::Critical);
    EXPECT_EQ(loaded.boxes.shown()[0].message.title, "Dorvik");
    EXPECT_EQ(loaded.fs.files[kPath], before);
}

TEST(StoreLoading, EmptyAndNewFilesHoldNothingAndSayNothing)
{
    Loaded empty("");
    EXPECT_EQ(empty.store->rsCustomers.RecordCount(), 0);
    EXPECT_TRUE(empty.store->rsCustomers.Eof());
    EXPECT_TRUE(empty.boxes.shown().empty());
    EXPECT_TRUE(empty.store->loadedCompletely());

    Loaded created(lines(2, 0), /*newFile=*/true);
    EXPECT_EQ(created.store->rsCustomers.RecordCount(), 0);
}

TEST(StoreLoading, ReadFailureKeepsWhatWasReadAndRefusesToSave)
{
    MemoryFileSystem fs;
    ScriptedBoxes boxes;
    CustomerDataSource missing({"/nowhere/X.TXT", false}, fs, boxes);
    EXPECT_EQ(missing.rsCustomers.RecordCount(), 0);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].message.text, "No such file or directory");
    EXPECT_EQ(boxes.shown()[0].message.title, "Dorvik");
    EXPECT_FALSE(missing.loadedCompletely());
    EXPECT_FALSE(missing.WriteToFile());
    EXPECT_EQ(fs.files.count("/nowhere/X.TXT"), 0u);

    fs.files[kPath] = lines(4, 1);
    fs.readError = "Input/output error";
    boxes.clear();
    CustomerDataSource partial({kPath, false}, fs, boxes);
    EXPECT_EQ(partial.rsCustomers.RecordCount(), 4);
    // The failure, and no summary message.
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{"Input/output error"});
}

TEST(StoreLoading, StopsAtTheRecordLimit)
{
    Loaded loaded(lines(kMaxRecords + 2, 0));
    EXPECT_EQ(loaded.store->rsCustomers.RecordCount(), kMaxRecords);
    ASSERT_FALSE(loaded.boxes.shown().empty());
    EXPECT_EQ(loaded.boxes.shown()[0].message.text, kRecordLimitMessage);
    EXPECT_EQ(loaded.boxes.shown()[0].message.icon, Icon::Critical);
    EXPECT_EQ(loaded.boxes.shown()[0].message.title, "KONTROLA");
    EXPECT_FALSE(loaded.store->loadedCompletely());
    EXPECT_FALSE(loaded.store->rsCustomers.AddNew());
}

TEST(StoreSaving, LoadThenSaveKeepsAcceptedLinesWithCrLf)
{
    const std::string a = recordLine(1), b = recordLine(2);
    Loaded loaded(a + "\r" + std::string(20, 'z') + "\r\n" + b);
    ASSERT_TRUE(loaded.store->WriteToFile());
    EXPECT_EQ(loaded.fs.files[kPath], a + "\r\n" + b + "\r\n");
    EXPECT_TRUE(loaded.store->rsCustomers.Eof());
}

TEST(StoreSaving, AFailedSaveLeavesTheFileAndTellsWhy)
{
    for (std::string MemoryFileSystem::*fault :
         {&MemoryFileSystem::openError, &MemoryFileSystem::writeError,
          &MemoryFileSystem::commitError}) {
        Loaded loaded(lines(3, 0));
        const std::string before = loaded.fs.files[kPath];
        loaded.store->rsCustomers.MoveFirst();
        loaded.store->rsCustomers.setField(Field::Firma, "Nova firma");
        loaded.fs.*fault = "No space left on device";
        EXPECT_FALSE(loaded.store->WriteToFile());
        EXPECT_EQ(loaded.fs.files[kPath], before);
        EXPECT_EQ(loaded.boxes.messageTexts(),
                  std::vector<std::string>{"No space left on device"});
    }
}

TEST(Recordset, MovesReportFailuresAtTheEdges)
{
    Loaded empty("");
    Recordset& none = empty.store->rsCustomers;
    EXPECT_FALSE(none.MoveFirst());
    EXPECT_FALSE(none.MoveLast());
    EXPECT_FALSE(none.MoveNext());

    Loaded two(lines(2, 0));
    Recordset& rs = two.store->rsCustomers;
    EXPECT_EQ(rs.cursor(), 0);
    EXPECT_TRUE(rs.MovePrevious());
    EXPECT_TRUE(rs.Bof());
    EXPECT_FALSE(rs.MovePrevious());
    EXPECT_TRUE(rs.MoveLast());
    EXPECT_TRUE(rs.MoveNext());
    EXPECT_TRUE(rs.Eof());
    EXPECT_FALSE(rs.hasCurrent());
    EXPECT_EQ(rs.field(Field::Godina), "");
    EXPECT_FALSE(rs.MoveNext());
    EXPECT_FALSE(rs.setField(Field::Godina, "01"));
}

TEST(Recordset, AddNewUpdateAndCancel)
{
    Loaded loaded(lines(2, 0));
    Recordset& rs = loaded.store->rsCustomers;
    int notified = 0;
    rs.addCursorListener([&] { ++notified; });

    ASSERT_TRUE(rs.MoveLast());
    ASSERT_TRUE(rs.AddNew());
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs.field(Field::Godina), "");
    rs.CancelUpdate();
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.cursor(), 1);

    // An edit is kept by a move.
    EXPECT_TRUE(rs.setField(Field::Firma, "Druga"));
    EXPECT_FALSE(rs.setField(Field::Firma, std::string(36, 'x')));
    rs.MoveFirst();
    rs.MoveLast();
    EXPECT_EQ(rs.field(Field::Firma).substr(0, 6), "Druga ");
    EXPECT_GE(notified, 5);
}
