// The three searches of the PREBARUVANJE menu.
#include "review_fixture.h"

using namespace dorvik;
using namespace dorvik::testing;

namespace {

const std::string kNotFound = "Ne e najden brojot koj se bara";

// Ten records whose personal and master numbers tell them apart.
std::vector<std::string> numberedLines(int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        lines.push_back(lineWith(i, {{Field::LicenBroj, std::string(10 - n.size(), '5') + n},
                                     {Field::MaticenBroj, std::string(13 - n.size(), '7') + n}}));
    }
    return lines;
}

} // namespace

TEST_F(ReviewTest, PersonalNumberInTheLastRecordIsFoundSilently)
{
    open(numberedLines(10));
    boxes.answerInput("5555555510");
    action("mnuPoLicenBr")->trigger();
    ASSERT_EQ(boxes.shown().size(), 1u);
    const InputRequest& prompt = boxes.shown()[0].input;
    EXPECT_EQ(prompt.title, "Prebaruvanje");
    EXPECT_EQ(prompt.prompt, "Vnesi Licen broj za prebaruvanje so 10 num cifri");
    EXPECT_EQ(prompt.defaultText, "");
    EXPECT_EQ(position(), "10");
    EXPECT_EQ(name(), "Ime Prezime 10");

    // The answer is the next prompt's default, whichever prompt it is.
    boxes.answerInput("7777777777773");
    action("mnuPoMaticenBr")->trigger();
    EXPECT_EQ(boxes.shown()[1].input.defaultText, "5555555510");
    EXPECT_EQ(boxes.shown()[1].input.prompt, "Vnesi Maticen broj za prebaruvanje so 13 num cifri");
    EXPECT_EQ(position(), "3");
    EXPECT_EQ(name(), "Ime Prezime 3");
    EXPECT_EQ(boxes.shown().size(), 2u);
}

TEST_F(ReviewTest, PrefixOrPaddedAnswerDoesNotMatch)
{
    open(numberedLines(10));
    click("cmdNext");
    boxes.answerInput("555555551"); // the first nine digits of record 10's number
    action("mnuPoLicenBr")->trigger();
    EXPECT_EQ(lastMessage(), kNotFound);
    EXPECT_EQ(boxes.shown().back().message.title, "Dorvik");
    EXPECT_EQ(position(), "10");
    EXPECT_EQ(name(), "Ime Prezime 10");
    // The message stands beside the last record.
    boxes.answerInput(" 5555555502");
    action("mnuPoLicenBr")->trigger();
    EXPECT_EQ(lastMessage(), kNotFound);
}

TEST_F(ReviewTest, CancelSearchesForTheEmptyTextAndClearsTheDefault)
{
    open(numberedLines(3));
    boxes.answerInput("5555555552");
    action("mnuPoLicenBr")->trigger();
    EXPECT_EQ(position(), "2");
    boxes.answerInput(""); // Cancel
    action("mnuPoLicenBr")->trigger();
    EXPECT_EQ(lastMessage(), kNotFound);
    EXPECT_EQ(position(), "3");
    boxes.answerInput("1");
    action("mnuPoRedenBroj")->trigger();
    EXPECT_EQ(boxes.shown().back().kind, ShownBox::Kind::Input);
    EXPECT_EQ(boxes.shown().back().input.defaultText, "");
    EXPECT_EQ(boxes.shown().back().input.prompt, "Vnesi Reden  broj na slogot");
}

TEST_F(ReviewTest, OneRecordFileFindsItsMasterNumber)
{
    open(numberedLines(1));
    boxes.answerInput("7777777777771");
    action("mnuPoMaticenBr")->trigger();
    EXPECT_EQ(position(), "1");
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(ReviewTest, RecordNumberMovesThereAndPagingGoesOn)
{
    open(numberedLines(10));
    boxes.answerInput("7");
    action("mnuPoRedenBroj")->trigger();
    EXPECT_EQ(position(), "7");
    EXPECT_EQ(name(), "Ime Prezime 7");
    boxes.answerInput(" 1 ");
    action("mnuPoRedenBroj")->trigger();
    EXPECT_EQ(position(), "1");
    click("cmdNext");
    EXPECT_EQ(name(), "Ime Prezime 2");
    EXPECT_EQ(position(), "2");
    boxes.answerInput("10");
    action("mnuPoRedenBroj")->trigger();
    click("cmdNext");
    EXPECT_EQ(position(), "10");
    EXPECT_EQ(lastMessage(),
              "Dojdovte do krajnata prijava, mozete samo da se navratite na predhodnite prijavi");
}

TEST_F(ReviewTest, RecordNumberOutsideTheFileIsNotFoundAndNothingMoves)
{
    open(numberedLines(5));
    boxes.answerInput("3");
    action("mnuPoRedenBroj")->trigger();
    for (const char* answer : {"", "abc", "0", "-2", "2.5", "6", "99999999999", "1 2"}) {
        boxes.clear();
        boxes.answerInput(answer);
        action("mnuPoRedenBroj")->trigger();
        EXPECT_EQ(lastMessage(), kNotFound) << '"' << answer << '"';
        EXPECT_EQ(position(), "3") << answer;
        EXPECT_EQ(name(), "Ime Prezime 3") << answer;
    }
}

TEST_F(ReviewTest, SearchSeesAnEditNotYetSaved)
{
    open(numberedLines(4));
    click("cmdNext");
    QLineEdit* licen = box(Field::LicenBroj);
    licen->selectAll();
    QTest::keyClicks(licen, "1111111181");
    click("cmdFirst");
    boxes.answerInput("1111111181");
    action("mnuPoLicenBr")->trigger();
    EXPECT_EQ(position(), "2");
}

TEST_F(ReviewTest, SearchIsOffWhileANewReportIsTyped)
{
    open(numberedLines(3));
    click("cmdAddNew");
    EXPECT_FALSE(action("mnuPoRedenBroj")->isEnabled());
    boxes.answerInput("1");
    screen->searchByPosition();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(position(), "4");
}
