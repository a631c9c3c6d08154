#include "check/entry_rules.h"
#include "entry_fixture.h"
#include "shell/screen_messages.h"

using namespace dorvik;
using namespace dorvik::testing;

namespace {
// The line the typed report of typeCompleteReport() must give.
std::string typedLine(const std::string& name = "Ana Petrovska")
{
    return "99" "1111111181" "1111111111111" "1234567897" + padded(name, 35)
           + padded("Tekstil DOO Stip", 35) + "0101" "3112" "1200" "2088" "000150000" "0000"
           "0012" "AB 12" "0345";
}

std::vector<std::string> lines(const std::string& bytes)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "every line ends with CR LF";
    return out;
}
} // namespace

TEST_F(EntryTest, VnesiAndSnimiAppendReportsToAFileOfFive)
{
    withRecords(5);
    open();
    EXPECT_EQ(records(), "6");
    EXPECT_EQ(position(), "6");
    EXPECT_EQ(focused(), box(Field::LicenBroj));

    typeCompleteReport();
    pressButton("cmdSnimi");
    const auto saved = lines(file());
    ASSERT_EQ(saved.size(), 6u);
    EXPECT_EQ(saved[0], recordLine(1));
    EXPECT_EQ(saved[4], recordLine(5));
    EXPECT_EQ(saved[5], typedLine());
    EXPECT_EQ(records(), "6");
    EXPECT_EQ(position(), "6");
    for (int i = 0; i < kFieldCount; ++i)
        EXPECT_EQ(text(fieldAt(i)), "") << i;
    EXPECT_EQ(focused(), button("cmdNovaPrijava"));

    // Enter on the focused "vnesi" starts the next report in its first box.
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
    settle();
    EXPECT_EQ(records(), "7");
    EXPECT_EQ(position(), "7");
    EXPECT_EQ(focused(), box(Field::LicenBroj));
}

TEST_F(EntryTest, AnIncompleteReportIsRefusedAndKeepsWhatWasTyped)
{
    withRecords(5);
    open();
    typeCompleteReport("15000000"); // 8 digits
    const int commits = files.commits;
    pressButton("cmdSnimi");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].message.text, kIncompleteReportMessage);
    EXPECT_EQ(boxes.shown()[0].message.icon, Icon::Exclamation);
    EXPECT_EQ(boxes.shown()[0].message.title, "Dorvik");
    EXPECT_EQ(files.commits, commits);
    EXPECT_EQ(lines(file()).size(), 5u);
    EXPECT_EQ(screen->store().rsCustomers.RecordCount(), 5);
    EXPECT_EQ(records(), "5");
    EXPECT_EQ(position(), "5");
    EXPECT_EQ(text(Field::Denari), "15000000");
    EXPECT_EQ(text(Field::LicenBroj), "1111111181");
    EXPECT_EQ(focused(), box(Field::Denari));

    // Completed, it saves.
    typeHere("0");
    pressButton("cmdSnimi");
    EXPECT_EQ(lines(file()).size(), 6u);
    EXPECT_EQ(lines(file())[5].substr(fieldOffset(Field::Denari), 9), "150000000");
    EXPECT_EQ(records(), "6");
}

TEST_F(EntryTest, APastedNonDigitNeverReachesTheFile)
{
    open();
    typeCompleteReport();
    box(Field::Mesec)->setText("12a0");
    pressButton("cmdSnimi");
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{kIncompleteReportMessage});
    EXPECT_EQ(file(), "");
    EXPECT_EQ(focused(), box(Field::Mesec));
}

TEST_F(EntryTest, NamesArePaddedToTheirWidthEvenWhenEmpty)
{
    open();
    typeCompleteReport("000150000", "");
    pressButton("cmdSnimi");
    pressButton("cmdNovaPrijava");
    typeCompleteReport("000150000", "Ana Marija Petrovska");
    pressButton("cmdSnimi");
    const auto saved = lines(file());
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0], typedLine(""));
    EXPECT_EQ(saved[0].substr(fieldOffset(Field::ImePrezime), 35), std::string(35, ' '));
    EXPECT_EQ(saved[1], typedLine("Ana Marija Petrovska"));
    EXPECT_EQ(saved[1].size(), 147u);
}

TEST_F(EntryTest, SnimiAgainOnEmptyBoxesIsRefusedAndSnimiWithoutVnesiSaves)
{
    withRecords(2);
    open();
    typeCompleteReport();
    pressButton("cmdSnimi");
    ASSERT_TRUE(boxes.shown().empty());
    pressButton("cmdSnimi");
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{kIncompleteReportMessage});
    EXPECT_EQ(records(), "3");
    EXPECT_EQ(position(), "3");
    EXPECT_EQ(lines(file()).size(), 3u);

    typeCompleteReport();
    pressButton("cmdSnimi");
    EXPECT_EQ(lines(file()).size(), 4u);
    EXPECT_EQ(records(), "4");
    EXPECT_EQ(position(), "4");
}

TEST_F(EntryTest, ANewEmptyFileCountsTheReportBeingTyped)
{
    Module1::NewReportFile = 1;
    files.files.erase(kFile);
    open();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(records(), "1");
    EXPECT_EQ(position(), "1");
    typeCompleteReport();
    pressButton("cmdSnimi");
    EXPECT_EQ(file(), typedLine() + "\r\n");
}

TEST_F(EntryTest, AutoFillFillsEveryNewReportAndTabSkipsTheFilledBoxes)
{
    Module1::AutoGodina = "03";
    Module1::AutoRegistarskiBroj = "1234567897";
    Module1::AutoFirma = "Tekstil DOO Stip";
    withRecords(1);
    open();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(text(Field::Godina), "03");
    EXPECT_EQ(text(Field::RegistarskiBroj), "1234567897");
    EXPECT_EQ(text(Field::Firma), "Tekstil DOO Stip");
    EXPECT_EQ(text(Field::EfektStaz), "");
    EXPECT_EQ(focused(), box(Field::LicenBroj));

    // Keyboard alone: the filled boxes are skipped, the benefit boxes are not.
    typeHere("1111111181");
    typeHere("1111111111111");
    EXPECT_EQ(focused(), box(Field::ImePrezime));
    typeHere("Ana Petrovska");
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), box(Field::PeriodOd));
    typeHere("0101" "3112" "1200" "2088" "000150000" "0000");
    EXPECT_EQ(focused(), box(Field::EfektStaz));
    typeHere("0012");
    typeHere("AB 12");
    typeHere("0345");
    EXPECT_EQ(focused(), button("cmdSnimi"));
    press(Qt::Key_Space);
    std::string expected = typedLine();
    expected.replace(0, 2, "03");
    EXPECT_EQ(lines(file()).back(), expected);

    // The next report gets them again, and they stay out of the tab order.
    press(Qt::Key_Space); // "vnesi" has the focus
    EXPECT_EQ(text(Field::Godina), "03");
    EXPECT_EQ(text(Field::Firma), "Tekstil DOO Stip");
    box(Field::MaticenBroj)->setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), box(Field::ImePrezime));
}

TEST_F(EntryTest, BenefitAutoFillCountsTowardTheSavedLength)
{
    Module1::AutoEfektStaz = "0000";
    Module1::AutoStepenZgolem = "     ";
    open();
    EXPECT_EQ(text(Field::EfektStaz), "0000");
    EXPECT_EQ(text(Field::StepenZgolem), "     ");
    EXPECT_EQ(text(Field::SifraStaz), "0000");
    EXPECT_EQ(focused(), box(Field::LicenBroj));
    box(Field::Boleduvanje)->setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), button("cmdSnimi"));
    typeCompleteReport();
    pressButton("cmdSnimi");
    EXPECT_EQ(lines(file()).at(0).substr(fieldOffset(Field::EfektStaz)), "0000" "     " "0000");
}

TEST_F(EntryTest, AFailingAutoFillYearIsToldOnEveryVnesiAndLeftEmpty)
{
    Module1::AutoGodina = "ab";
    Module1::AutoRegistarskiBroj = "1234567897";
    open();
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{kYearMessage});
    EXPECT_EQ(text(Field::Godina), "");
    EXPECT_EQ(focused(), box(Field::LicenBroj));
    pressButton("cmdNovaPrijava");
    EXPECT_EQ(boxes.messageTexts().size(), 2u);
    EXPECT_EQ(text(Field::Godina), "");
    EXPECT_EQ(focused(), box(Field::LicenBroj));
}

TEST_F(EntryTest, AFullFileTakesNoNewReport)
{
    std::string bytes;
    const std::string line = recordLine(1) + "\r\n";
    bytes.reserve(line.size() * kMaxRecords);
    for (int i = 0; i < kMaxRecords; ++i)
        bytes += line;
    files.files[kFile] = bytes;
    open();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].message.text, kStoreFullMessage);
    EXPECT_EQ(boxes.shown()[0].message.icon, Icon::Exclamation);
    EXPECT_TRUE(screen->previewing());
    EXPECT_EQ(records(), "32767");
    EXPECT_EQ(position(), "32767");
    EXPECT_EQ(text(Field::LicenBroj), "1111111181");

    pressButton("cmdNovaPrijava");
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(screen->previewing());
    EXPECT_EQ(records(), "32767");
}

TEST_F(EntryTest, AFailedWriteKeepsTheReportInTheStoreForTheNextSave)
{
    withRecords(1);
    open();
    files.commitError = "Disk full";
    typeCompleteReport();
    pressButton("cmdSnimi");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_NE(boxes.shown()[0].message.text.find("Disk full"), std::string::npos);
    EXPECT_EQ(lines(file()).size(), 1u);
    EXPECT_EQ(records(), "2");

    files.commitError.clear();
    pressButton("cmdNovaPrijava");
    typeCompleteReport();
    pressButton("cmdSnimi");
    EXPECT_EQ(lines(file()).size(), 3u);
}
