// The check run on the review screen, the list of its findings, and going
// from a finding to its record.
#include "review_fixture.h"

#include "check/check_run.h"
#include "check/error_list.h"
#include "review/error_list_window.h"
#include "review/review_check_view.h"
#include "shell/screen_messages.h"

#include <QLabel>
#include <QTableView>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

// Records 2 and 4 have findings: a year in the future, and a master number
// failing its check digit beside too many hours and too much sick leave.
const std::vector<std::string> kRecords = {
    recordLine(1), lineWith(2, {{Field::Godina, "04"}}), recordLine(3),
    lineWith(4, {{Field::MaticenBroj, "1111111111112"}, {Field::VkRabCasovi, "2089"},
                 {Field::Boleduvanje, "2199"}})};

struct CheckTest : ReviewTest {
    // Runs the check, Yes to its question.
    void check()
    {
        boxes.answer(Answer::Yes);
        click("cmdKontrola");
    }
    ErrorListWindow* list() const { return screen->errorList(); }
    std::vector<Field> painted() const
    {
        std::vector<Field> red;
        for (int i = 0; i < kFieldCount; ++i)
            if (background(fieldAt(i)) != QColor(192, 192, 192))
                red.push_back(fieldAt(i));
        return red;
    }
};

} // namespace

TEST_F(CheckTest, EachFindingShowsBesideItsRecordInItsColour)
{
    open(fileOf(kRecords));
    std::vector<std::pair<QString, QColor>> whileOpen;
    QString nameAtVerdict = "none";
    boxes.onShow([&](const ShownBox& shown) {
        if (shown.message.text == kCheckFailedMessage || shown.message.text == kCheckPassedMessage)
            nameAtVerdict = name();
        if (!shown.message.finding)
            return;
        whileOpen.emplace_back(counter("txtPozicija"), background(Field::Godina));
        const auto* progress = screen->findChild<QProgressBar*>("prgView");
        EXPECT_EQ(QString::number(progress->maximum()), counter("txtRecords"));
        EXPECT_EQ(QString::number(progress->value()), counter("txtPozicija"));
    });
    check();
    ASSERT_EQ(whileOpen.size(), 4u);
    EXPECT_EQ(whileOpen[0], std::make_pair(QString("2"), QColor(255, 0, 0)));
    EXPECT_EQ(whileOpen[1].first, "4");
    EXPECT_EQ(background(Field::Godina), QColor(192, 192, 192));
    EXPECT_EQ(counters(), "4/4");
    EXPECT_FALSE(screen->findChild<QProgressBar*>("prgView")->isVisible());
    for (const ShownBox& shown : boxes.shown())
        EXPECT_EQ(shown.checkBox.empty(), !shown.message.finding) << shown.message.text;
    click("cmdFirst"); // the boxes follow the moves again
    EXPECT_EQ(name(), "Ime Prezime 1");
    // At the verdict the last record is in view, also after a record without findings.
    open(fileOf({recordLine(1), kRecords[1], recordLine(3)}));
    check();
    EXPECT_EQ(nameAtVerdict, "Ime Prezime 3");
    // An empty file (its verdict: tests/check/check_run_test.cpp): nothing in view.
    open("");
    check();
    EXPECT_EQ(nameAtVerdict, "");
    EXPECT_EQ(counters(), "0/0");
    open(fileOf(records(1)));
    check();
    EXPECT_EQ(counters(), "1/1");
}

// The run checks the file on the disk: unsaved corrections are saved first
// or nothing runs, and a file another writer changed is read anew.
TEST_F(CheckTest, TheRunChecksWhatIsOnTheDisk)
{
    const std::string earlierList = "an earlier list\r\n";
    struct Case {
        Answer answer;
        bool saveFails;
        bool runs;
    };
    for (const Case c : {Case{Answer::No, false, false}, Case{Answer::Yes, true, false},
                         Case{Answer::Yes, false, true}}) {
        open(fileOf(kRecords));
        files.files[kListPath] = earlierList;
        type(Field::Godina, "99"); // record 1's year, which is fine either way
        click("cmdNext");
        type(Field::Godina, "99"); // record 2's year corrected
        if (c.saveFails)
            files.openError = "Read-only file system";
        boxes.answer(c.answer);
        boxes.answer(Answer::Yes);
        click("cmdKontrola");
        files.openError.clear();
        EXPECT_TRUE(isBox(boxes.shown().at(0), kAppTitle, kSaveBeforeCheckQuestion, Icon::None, Buttons::YesNo,
                          Answer::Yes));
        // The list is rewritten only once the run has given its verdict (record 4 still fails).
        EXPECT_EQ(files.files.at(kListPath) == earlierList, !c.runs);
        EXPECT_EQ(file() == fileOf(kRecords), !c.runs);
    }

    // Nothing unsaved, but another writer corrected the file: no question,
    // and the run checks the file as it is now.
    open(fileOf({recordLine(1), kRecords[1]}));
    files.files[kReportPath] = fileOf(records(3));
    check();
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{kCheckQuestion, kCheckPassedMessage}));
    EXPECT_EQ(counters(), "3/3");
}

TEST_F(CheckTest, TickingTheCheckBoxShowsNoMoreFindingsAndWritesTheSameList)
{
    open(fileOf(kRecords));
    check();
    const std::string unticked = files.files.at(kListPath);
    const std::size_t all = boxes.shown().size(); // the question, 4 findings, the verdict
    boxes.clear();
    boxes.tick(false);
    boxes.tick(true);
    // Nothing else runs while the run is on, whatever reaches the screen.
    boxes.onShow([&](const ShownBox& shown) {
        if (shown.message.finding)
            for (const char* b : {"cmdFirst", "cmdPrev", "cmdNext", "cmdLast", "cmdAddNew", "cmdRec",
                                  "cmdPreview", "cmdRekap", "cmdKontrola"})
                click(b);
    });
    check();
    EXPECT_EQ(files.files.at(kListPath), unticked);
    EXPECT_EQ(file(), fileOf(kRecords));
    EXPECT_EQ(boxes.shown().size(), 1u + 2u + 1u);
    // Each run starts with the boxes showing.
    boxes.onShow({});
    boxes.clear();
    check();
    EXPECT_EQ(boxes.shown().size(), all);
}

TEST_F(CheckTest, AFailedRunOpensItsListAndARowLeadsToTheRecordsFindings)
{
    open(fileOf(kRecords));
    check();
    ASSERT_NE(list(), nullptr);
    EXPECT_TRUE(list()->isVisible());
    const ErrorListModel& model = list()->model();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(0, 0), Qt::DisplayRole), "2");
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole), "04       Gr. godina ,");
    EXPECT_TRUE(list()->sourceLine().startsWith(QString(kListPath) + ", zapisana "));
    // The path above the table; the record numbers and descriptions whole.
    QTableView* table = list()->table();
    EXPECT_LT(list()->findChild<QLabel*>()->geometry().bottom(), table->geometry().top());
    EXPECT_GE(table->columnWidth(0), table->fontMetrics().horizontalAdvance("000000"));
    const int descriptionWidth = table->columnWidth(1);
    table->resizeColumnToContents(1);
    EXPECT_GE(descriptionWidth, table->columnWidth(1));

    // Enter on the second row: record 4, exactly its findings' boxes.
    list()->table()->setCurrentIndex(model.index(1, 1));
    QTest::keyClick(list()->table(), Qt::Key_Return);
    EXPECT_EQ(counters(), "4/4");
    EXPECT_EQ(painted(), (std::vector<Field>{Field::MaticenBroj, Field::VkRabCasovi,
                                             Field::Boleduvanje}));
    // An edit clears its box; a move clears them all.
    type(Field::MaticenBroj, "1111111111111");
    EXPECT_EQ(painted(), (std::vector<Field>{Field::VkRabCasovi, Field::Boleduvanje}));
    click("cmdFirst");
    EXPECT_TRUE(painted().empty());
    // The corrected record shows clean; the list stays as the run wrote it.
    click("cmdLast");
    type(Field::VkRabCasovi, "2088");
    type(Field::Boleduvanje, "0000");
    screen->showFindingsOf(4);
    EXPECT_TRUE(painted().empty());
    EXPECT_EQ(model.rowCount(), 2);
    // Past the end of the file.
    boxes.clear();
    screen->showFindingsOf(5);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{kNotFoundMessage});
    EXPECT_EQ(counters(), "4/4");
}

TEST_F(CheckTest, TheListMenuReadsWhateverTheFileHolds)
{
    open(fileOf(kRecords));
    action("mnuListaNaGreski")->trigger();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(isBox(boxes.shown()[0], "KONTROLA", kNoErrorListMessage, Icon::Information));
    EXPECT_EQ(list(), nullptr);
    EXPECT_EQ(action("mnuListaNaGreski")->shortcut(), QKeySequence("Ctrl+E"));

    files.files[kListPath] = "000002 ,x\r\nnot a list line\r\n";
    action("mnuListaNaGreski")->trigger();
    ASSERT_NE(list(), nullptr);
    EXPECT_EQ(list()->model().rowCount(), 2);
    EXPECT_EQ(list()->model().data(list()->model().index(1, 0), Qt::DisplayRole), "");
    list()->table()->setCurrentIndex(list()->model().index(1, 1));
    QTest::keyClick(list()->table(), Qt::Key_Return);
    EXPECT_EQ(counters(), "1/4");
    // A passing run refreshes the open list.
    open(fileOf(records(2)));
    files.files[kListPath] = "000002 ,x\r\n";
    action("mnuListaNaGreski")->trigger();
    check();
    EXPECT_EQ(list()->model().rowCount(), 0);
}

TEST_F(CheckTest, AScreenClosedUnderItsOwnBoxStopsAndWritesNothing)
{
    // Closed while a finding's box is open: the run stops, no list. Closed
    // while the verdict is open: the list is not finished either.
    files.files[kListPath] = "earlier";
    QPointer<frmKontrola> closing;
    for (const bool atVerdict : {false, true}) {
        open(atVerdict ? fileOf(records(2)) : fileOf(kRecords));
        closing = screen;
        boxes.onShow([&, atVerdict](const ShownBox& shown) {
            if (closing && (atVerdict ? shown.message.text == kCheckPassedMessage : shown.message.finding))
                closing->close();
        });
        check();
        EXPECT_EQ(files.files[kListPath], "earlier");
    }

    // Closed while the save asks about another's changes: nothing written.
    open(fileOf(records(2)));
    closing = screen;
    type(Field::Firma, "Nova");
    files.files[kReportPath] = fileOf(records(3));
    boxes.onShow([&](const ShownBox&) { closing->close(); });
    boxes.answer(Answer::Yes);
    click("cmdRec");
    EXPECT_EQ(file(), fileOf(records(3)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
}
