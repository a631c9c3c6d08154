#include "check/check_run.h"

#include "data/customer_data_source.h"
#include "fake_screen.h"
#include "memory_file_system.h"
#include "platform/clock.h"
#include "scripted_boxes.h"
#include "report_lines.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace dorvik {
using dorvik::testing::withField;
using dorvik::testing::joinLines;

namespace {

using namespace std::chrono;
using testing::ScriptedBoxes;

const std::string kReport = "/data/PRIJAVA.TXT";
const std::string kList = "/data/PRIJAVA.err";
const std::string kHeader = "ELMARIN\r\n"
                            "A  R  H  I  V  A\r\n"
                            "_______________\r\n"
                            "\r\n\r\n\r\n"
                            "Kontrola na podatocite na datotekata:\r\n"
                            "/data/PRIJAVA\r\n"
                            "\r\n\r\n\r\n"
                            "Slog # ,  Opis na greskite...\r\n"
                            "_______________________________________________________________________________\r\n";
const std::string kFooter = "_______________________________________________________________________________\r\n";

// The review screen's part in a run, over the store's current record.
class RecordView : public testing::FakeScreen {
public:
    explicit RecordView(CustomerDataSource& store) : store_(store) {}
    std::string fieldText(Field field) override
    {
        return std::string(store_.rsCustomers.field(field));
    }

private:
    CustomerDataSource& store_;
};

struct CheckRun : ::testing::Test {
    testing::MemoryFileSystem files;
    ScriptedBoxes boxes;
    FixedClock clock{year{2003} / June / 15};
    std::unique_ptr<CustomerDataSource> store;
    std::unique_ptr<RecordView> view;

    void load(const std::string& bytes, const std::string& path = kReport)
    {
        files.files[path] = bytes;
        store = std::make_unique<CustomerDataSource>(CustomerDataSource::Options{path, false},
                                                     files, boxes);
        view = std::make_unique<RecordView>(*store);
        boxes.clear();
    }
    CheckRunResult run(bool confirm = true)
    {
        if (confirm)
            boxes.answer(Answer::Yes);
        return runCheck(*store, *view, boxes, files, clock);
    }
};

TEST_F(CheckRun, NoToTheQuestionLeavesAnEarlierListAlone)
{
    load(joinLines({testing::recordLine()}));
    files.files[kList] = "earlier list";
    const CheckRunResult result = run(false);
    EXPECT_EQ(result.verdict, CheckVerdict::Declined);
    EXPECT_EQ(files.files[kList], "earlier list");
    ASSERT_EQ(boxes.shown().size(), 1u);
    const MessageRequest& question = boxes.shown()[0].message;
    EXPECT_EQ(question.text, "DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE");
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.defaultButton, Answer::No);
    EXPECT_EQ(question.icon, Icon::None);
    EXPECT_EQ(question.title, "Dorvik");
}

TEST_F(CheckRun, ACorrectFileGivesHeaderAndFooterAndPasses)
{
    load(joinLines({testing::recordLine(1), testing::recordLine(2), testing::recordLine(3)}));
    files.files[kList] = "earlier list";
    const CheckRunResult result = run();
    EXPECT_EQ(result.verdict, CheckVerdict::Passed);
    EXPECT_EQ(result.listPath, kList);
    EXPECT_EQ(files.files[kList], kHeader + kFooter);
    EXPECT_EQ(boxes.messageTexts(),
              (std::vector<std::string>{"DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE",
                                        "KONTROLATA USPESNO E IZVRSENA"}));
    const MessageRequest& closing = boxes.shown()[1].message;
    EXPECT_EQ(closing.title, "KONTROLA");
    EXPECT_EQ(closing.icon, Icon::Information);
    EXPECT_EQ(closing.buttons, Buttons::Ok);
    // Each record's number before its rules, the count at the end.
    EXPECT_EQ(view->positions, (std::vector<int>{1, 2, 3, 3}));
    EXPECT_FALSE(view->progressVisible);
    EXPECT_EQ(view->progressMaximum, 3);
    EXPECT_EQ(view->progressValue, 3);
    EXPECT_TRUE(store->rsCustomers.Eof());
    EXPECT_EQ(files.files[kReport], joinLines({testing::recordLine(1), testing::recordLine(2),
                                               testing::recordLine(3)}));
}

TEST_F(CheckRun, ListsRecordsWithAFaultCodeOrBadNumericData)
{
    const std::string good = testing::recordLine();
    std::vector<std::string> lines(7, good);
    lines[0] = withField(good, Field::LicenBroj, "1111111191");
    lines[2] = withField(good, Field::Godina, "9A");
    lines[3] = withField(good, Field::EfektStaz, "1300"); // H alone: not listed
    lines[6] = withField(withField(good, Field::RegistarskiBroj, "1234567890"), Field::Godina, "10");
    load(joinLines(lines));

    const CheckRunResult result = run();
    EXPECT_EQ(files.files[kList], kHeader
                                      + "000001 ,1111111191 Gr. mod 10 ,\r\n"
                                        "000003 ,9A Gr. slog  numerickiot podatok ne e vo red,\r\n"
                                        "000007 ,1234567890 Gr. mod.10 ,10       Gr. godina ,\r\n"
                                      + kFooter);
    EXPECT_EQ(result.verdict, CheckVerdict::Failed); // by the year of record 7
    EXPECT_EQ(boxes.messageTexts(),
              (std::vector<std::string>{
                  "DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE",
                  "LICNIOT  BROJ E GRESEN  PO MODUL 10",
                  "GRESEN SLOG - NUMERICKIOT  PODATOK NE E VO RED",
                  "Efektivnoto traenje mora da bide pomalo od Vk. broj na casovi",
                  "REGISTARSKIOT BROJ E GRESEN PO NODUL 10",
                  "Gresna  godina. Prijavata moze da bide samo vo interval pomegu 1970 i "
                  "tekovnata godina",
                  "Kontrolata ne e uspesna. Procitajte ja listata <IME>.ERR za pojasnuvanje i "
                  "popravete gi gresnite prijavi.",
              }));
    const MessageRequest& badData = boxes.shown()[2].message;
    EXPECT_EQ(badData.title, "Dorvik");
    EXPECT_EQ(badData.icon, Icon::None);
}

TEST_F(CheckRun, CheckDigitsHoursWarningsAndBadDataDoNotFailTheFile)
{
    const std::string good = testing::recordLine();
    load(joinLines({withField(good, Field::LicenBroj, "1111111191"),
                    withField(good, Field::VkRabCasovi, "1950"),
                    withField(good, Field::Denari, "1500 0000")}));
    const CheckRunResult result = run();
    EXPECT_EQ(result.verdict, CheckVerdict::Passed);
    EXPECT_EQ(files.files[kList],
              kHeader + "000001 ,1111111191 Gr. mod 10 ,\r\n"
                        "000002 ,1950  Da se proveri br,\r\n"
                        "000003 ,1500 0000 Gr. slog  numerickiot podatok ne e vo red,\r\n"
                  + kFooter);
    EXPECT_EQ(boxes.messageTexts().back(), "KONTROLATA USPESNO E IZVRSENA");
}

TEST_F(CheckRun, TheListIsClosedOnlyAfterTheVerdictIsConfirmed)
{
    load(joinLines({testing::recordLine()}));
    int commitsWhileVerdictOpen = -1;
    boxes.onShow([&](const testing::ShownBox& box) {
        if (box.message.text == "KONTROLATA USPESNO E IZVRSENA")
            commitsWhileVerdictOpen = files.commits;
    });
    run();
    EXPECT_EQ(commitsWhileVerdictOpen, 0);
    EXPECT_EQ(files.commits, 1);
}

TEST_F(CheckRun, AnEmptyStorePassesOnlyWhenTheFileHeldNoLine)
{
    load("");
    EXPECT_EQ(run().verdict, CheckVerdict::Passed);
    EXPECT_EQ(files.files[kList], kHeader + kFooter);

    // Lines, but none of 147 characters: must not pass.
    load("short line\r\n\r\n" + testing::recordLine() + " \r\n");
    EXPECT_EQ(run().verdict, CheckVerdict::Failed);
    EXPECT_EQ(files.files[kList], kHeader + kFooter);
    EXPECT_EQ(view->positions, std::vector<int>{0});

    // Records read, then the read failed: not the whole file was checked.
    files.readError = "Input/output error";
    load(joinLines({testing::recordLine()}));
    files.readError.clear();
    EXPECT_EQ(run().verdict, CheckVerdict::Failed);
    EXPECT_EQ(files.files[kList], kHeader + kFooter);
}

TEST_F(CheckRun, AFileWithMoreRecordsThanAStoreHoldsFailsAfterItsFirstRecords)
{
    load(joinLines(std::vector<std::string>(kMaxRecords + 1, testing::recordLine())));
    EXPECT_EQ(run().verdict, CheckVerdict::Failed);
    EXPECT_EQ(view->positions.back(), kMaxRecords);
    EXPECT_EQ(files.files[kList], kHeader + kFooter);
}

TEST_F(CheckRun, AListThatCannotBeWrittenEndsTheRunAndKeepsTheEarlierOne)
{
    load(joinLines({withField(testing::recordLine(), Field::LicenBroj, "1111111191")}));
    for (std::string* failure : {&files.openError, &files.writeError}) {
        files.files[kList] = "earlier list";
        *failure = "Permission denied";
        boxes.clear();
        EXPECT_EQ(run().verdict, CheckVerdict::Aborted);
        failure->clear();
        EXPECT_EQ(files.files[kList], "earlier list");
        ASSERT_EQ(boxes.shown().size(), 2u); // no record was checked, no verdict
        EXPECT_EQ(boxes.shown()[1].message.text, "Permission denied");
        EXPECT_EQ(boxes.shown()[1].message.title, "Dorvik");
    }

    files.commitError = "No space left on device";
    boxes.clear();
    EXPECT_EQ(run().verdict, CheckVerdict::Aborted);
    EXPECT_EQ(files.files[kList], "earlier list");
    EXPECT_EQ(boxes.messageTexts(),
              (std::vector<std::string>{"DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE",
                                        "LICNIOT  BROJ E GRESEN  PO MODUL 10",
                                        "KONTROLATA USPESNO E IZVRSENA", "No space left on device"}));
}

// Files whose writes fail once a given number of bytes has been written.
class FillingFileSystem : public testing::MemoryFileSystem {
public:
    std::size_t room = 0;
    std::unique_ptr<OutputFile> openForWrite(const std::string& path, std::string& error) override
    {
        struct Output : OutputFile {
            std::unique_ptr<OutputFile> inner;
            std::size_t room;
            bool write(std::string_view bytes) override
            {
                if (bytes.size() > room)
                    return false;
                room -= bytes.size();
                return inner->write(bytes);
            }
            bool commit() override { return inner->commit(); }
            std::string errorString() const override { return "No space left on device"; }
        };
        auto output = std::make_unique<Output>();
        output->inner = MemoryFileSystem::openForWrite(path, error);
        output->room = room;
        return output;
    }
};

TEST_F(CheckRun, AWriteFailureDuringTheWalkEndsTheRunWithoutAVerdict)
{
    FillingFileSystem filling;
    filling.room = 100'000;
    const std::string bad = withField(testing::recordLine(), Field::Godina, "9A");
    const std::string report = joinLines(std::vector<std::string>(10'000, bad));
    filling.files[kReport] = report;
    filling.files[kList] = "earlier list";
    CustomerDataSource big({kReport, false}, filling, boxes);
    RecordView bigView(big);
    boxes.answer(Answer::Yes);
    EXPECT_EQ(runCheck(big, bigView, boxes, filling, clock).verdict, CheckVerdict::Aborted);
    EXPECT_EQ(filling.files[kList], "earlier list");
    EXPECT_EQ(filling.files[kReport], report);
    const std::vector<std::string> texts = boxes.messageTexts();
    EXPECT_EQ(texts.back(), "No space left on device");
    EXPECT_LT(texts.size(), 10'000u); // it stopped well before the last record
    EXPECT_FALSE(bigView.progressVisible);

    // The last lines fail to reach the file: still no verdict.
    filling.room = kHeader.size() + 10;
    filling.files[kReport] = joinLines({bad, bad});
    CustomerDataSource small({kReport, false}, filling, boxes);
    RecordView smallView(small);
    boxes.clear();
    boxes.answer(Answer::Yes);
    EXPECT_EQ(runCheck(small, smallView, boxes, filling, clock).verdict, CheckVerdict::Aborted);
    EXPECT_EQ(boxes.messageTexts(),
              (std::vector<std::string>{"DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE",
                                        "GRESEN SLOG - NUMERICKIOT  PODATOK NE E VO RED",
                                        "GRESEN SLOG - NUMERICKIOT  PODATOK NE E VO RED",
                                        "No space left on device"}));
    EXPECT_EQ(filling.files[kList], "earlier list");
}

TEST_F(CheckRun, AReportNamedLikeItsListIsNeverReplaced)
{
    for (const std::string path : {"/data/X.ERR", "/data/X.err"}) {
        const std::string bytes = joinLines({testing::recordLine()});
        load(bytes, path);
        EXPECT_EQ(run().verdict, CheckVerdict::Aborted);
        EXPECT_EQ(files.files[path], bytes);
        EXPECT_EQ(files.commits, 0);
        EXPECT_EQ(boxes.messageTexts(),
                  (std::vector<std::string>{
                      "DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE",
                      "Imeto na listata na greski e isto so imeto na datotekata so prijavite. "
                      "Preimenuvajte ja datotekata i pocnete odnovo."}));
    }
}

TEST_F(CheckRun, TwoRunsWriteTheSameList)
{
    load(joinLines({withField(testing::recordLine(), Field::Godina, "04")}));
    const CheckRunResult first = run();
    const std::string list = files.files[kList];
    EXPECT_EQ(list, kHeader + "000001 ,04       Gr. godina ,\r\n" + kFooter);
    const CheckRunResult second = run();
    EXPECT_EQ(second.listPath, first.listPath);
    EXPECT_EQ(files.files[kList], list);
    EXPECT_EQ(files.commits, 2);
    // The year window moves with today's date.
    clock = FixedClock(year{2004} / January / 1);
    EXPECT_EQ(run().verdict, CheckVerdict::Passed);
}

} // namespace
} // namespace dorvik
