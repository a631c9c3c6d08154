// The check run over a whole store, as the batch checker and the review
// screen run it.
#include "check/check_run.h"

#include "check/error_list.h"
#include "data/customer_data_source.h"
#include "fake_screen.h"
#include "memory_file_system.h"
#include "platform/clock.h"
#include "scripted_boxes.h"

#include <gtest/gtest.h>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

const std::string kReport = "/data/PRIJAVA.TXT";
const std::string kList = "/data/PRIJAVA.err";

// The screen during a run shows the store's current record.
class RecordView : public FakeScreen {
public:
    explicit RecordView(Recordset& records) : records_(records) {}
    std::string fieldText(Field field) override { return std::string(records_.field(field)); }

private:
    Recordset& records_;
};

struct CheckRun : ::testing::Test {
    MemoryFileSystem files;
    ScriptedBoxes boxes;
    FixedClock clock{std::chrono::year{2003} / 6 / 15};
    std::unique_ptr<CustomerDataSource> store;
    std::unique_ptr<RecordView> view;

    CheckRunResult run(const std::string& bytes, bool yes = true)
    {
        files.files[kReport] = bytes;
        store = std::make_unique<CustomerDataSource>(CustomerDataSource::Options{kReport, false},
                                                     files, boxes);
        view = std::make_unique<RecordView>(store->rsCustomers);
        boxes.clear();
        if (yes)
            boxes.answer(Answer::Yes);
        return runCheck(*store, *view, boxes, files, clock);
    }
    std::string listed() const
    {
        const std::string& list = files.files.at(kList);
        const std::string header = errorListHeader("/data/PRIJAVA");
        EXPECT_EQ(list.substr(0, header.size()), header);
        EXPECT_EQ(list.substr(list.size() - kErrorListFooter.size()), kErrorListFooter);
        return list.substr(header.size(), list.size() - header.size() - kErrorListFooter.size());
    }
};

} // namespace

TEST_F(CheckRun, AsksWritesTheListAndGivesTheVerdict)
{
    const CheckRunResult result = run(fileOf({recordLine(1), lineWith(2, {{Field::Godina, "04"}}),
                                              recordLine(3), lineWith(4, {{Field::Godina, "9A"}})}));
    EXPECT_EQ(result.verdict, CheckVerdict::Failed);
    EXPECT_EQ(listed(), "000002 ,04       Gr. godina ,\r\n"
                        "000004 ,9A Gr. slog  numerickiot podatok ne e vo red,\r\n");
    const auto& shown = boxes.shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_TRUE(isBox(shown[0], "Dorvik", kCheckQuestion, Icon::None, Buttons::YesNo, Answer::No));
    EXPECT_TRUE(isBox(shown[2], "Dorvik", kBadNumericDataMessage));
    EXPECT_TRUE(shown[2].message.finding);
    EXPECT_TRUE(isBox(shown[3], "KONTROLA", kCheckFailedMessage, Icon::Information));
    EXPECT_EQ(view->positions, (std::vector<int>{1, 2, 3, 4, 4}));
    EXPECT_EQ(view->progress.front(), std::make_pair(4, 1));
    EXPECT_EQ(view->progress.back(), std::make_pair(0, 0));
    EXPECT_TRUE(store->rsCustomers.Eof());
    EXPECT_EQ(files.files[kReport].size(), 4u * 149); // the report is never written

    EXPECT_EQ(run(fileOf(records(3))).verdict, CheckVerdict::Passed);
    EXPECT_EQ(listed(), "");
    EXPECT_TRUE(isBox(boxes.shown().back(), "KONTROLA", kCheckPassedMessage, Icon::Information));
    EXPECT_EQ(run("").verdict, CheckVerdict::Passed);
    // The year window moves with today's date.
    clock = FixedClock(std::chrono::year{2004} / 1 / 1);
    EXPECT_EQ(run(fileOf({lineWith(1, {{Field::Godina, "04"}})})).verdict, CheckVerdict::Passed);

    // No writes nothing.
    files.files[kList] = "earlier";
    EXPECT_EQ(run(fileOf(records(1)), false).verdict, CheckVerdict::Declined);
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(files.files[kList], "earlier");
}

TEST_F(CheckRun, AListThatCannotBeWrittenOrFinishedEndsTheRunWithoutAVerdict)
{
    const std::string report = fileOf({lineWith(1, {{Field::Godina, "04"}})});
    const std::size_t header = errorListHeader("/data/PRIJAVA").size();
    // Room for: part of the header; the header; the header and the line, not
    // the footer; all of it, but the file cannot be put in place.
    const std::pair<std::size_t, std::string> cases[] = {
        {10, ""}, {header, ""}, {header + 31, ""}, {std::string::npos, "Input/output error"}};
    for (const auto& [room, commitError] : cases) {
        SCOPED_TRACE(room);
        files.files[kList] = "earlier";
        files.writeRoom = room;
        files.commitError = commitError;
        EXPECT_EQ(run(report).verdict, CheckVerdict::Aborted);
        EXPECT_EQ(boxes.texts().back(),
                  "/data/PRIJAVA.err: " + (commitError.empty() ? "nema mesto na diskot" : commitError));
        EXPECT_EQ(files.files[kList], "earlier");
    }
    files.commitError.clear();
    // Full while the lines go out in blocks, part way through the records.
    std::vector<std::string> many(3000, lineWith(1, {{Field::Godina, "04"}}));
    files.writeRoom = header + 1000;
    EXPECT_EQ(run(fileOf(many)).verdict, CheckVerdict::Aborted);
    EXPECT_EQ(boxes.texts().back(), "/data/PRIJAVA.err: nema mesto na diskot");
    EXPECT_LT(view->positions.size(), 3000u);
    EXPECT_EQ(view->progress.back(), std::make_pair(0, 0));
}
