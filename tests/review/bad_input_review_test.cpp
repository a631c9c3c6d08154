// Bad input on the review screen: odd bytes in the file, text pasted into
// every box, and files that are folders or have unusual names, on the
// program's own file system.
#include "review_fixture.h"

#include "platform/qt_file_system.h"

#include <QApplication>
#include <QClipboard>

#include <filesystem>

namespace dorvik::testing {
namespace {

std::string withBytes(std::string line, Field f, std::string_view bytes)
{
    line.replace(fieldOffset(f), bytes.size(), bytes);
    return line;
}

TEST_F(ReviewTest, OddBytesInARecordAreShownAndSavedUnchanged)
{
    // NUL bytes, a lone LF and bytes above 127 in the name.
    const std::string odd =
        withBytes(recordLine(1), Field::ImePrezime, std::string("A\0B\n\xff\x80\x01 Z", 9));
    open({odd, recordLine(2)});
    EXPECT_EQ(text(Field::ImePrezime).size(), 35);
    // Correcting another field of the same record, and saving.
    QLineEdit* firm = box(Field::Firma);
    firm->setFocus();
    firm->setCursorPosition(0);
    QTest::keyClicks(firm, "X");
    click("cmdRec");
    // The typed letter pushes out one of the firm's trailing blanks.
    const std::string firmBefore = odd.substr(fieldOffset(Field::Firma), 35);
    EXPECT_EQ(file(),
              fileOf({withBytes(odd, Field::Firma, "X" + firmBefore.substr(0, 34)), recordLine(2)}));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ReviewTest, TextPastedIntoEveryBoxFitsItsFieldOrIsRefused)
{
    open(cleanLines(2));
    const std::string before = file();
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = fieldAt(i);
        QLineEdit* b = box(f);
        const QString shown = b->text();
        // Longer than the field, or a character the file's code page lacks:
        // the box keeps its text.
        for (const QString& pasted :
             {QString(fieldWidth(f) + 1, QLatin1Char('7')),
              QString(fieldWidth(f) - 1, QLatin1Char('1')) + QChar(0x4E2D),
              QStringLiteral("line one\nline two and a good deal more than fits any box")}) {
            QApplication::clipboard()->setText(pasted);
            b->selectAll();
            b->paste();
            EXPECT_EQ(b->text(), shown) << i;
        }
        // Letters into a digit field fit: the check run is where they are judged.
        QApplication::clipboard()->setText(QString(fieldWidth(f), QLatin1Char('q')));
        b->selectAll();
        b->paste();
        EXPECT_EQ(b->text(), QString(fieldWidth(f), QLatin1Char('q'))) << i;
    }
    EXPECT_EQ(file(), before);
    click("cmdRec");
    EXPECT_EQ(file(), fileOf({std::string(147, 'q'), recordLine(2)}));
}

// The screen over real files.
struct ReviewOnDiskTest : ReviewTest {
    TempDir dir;
    QtFileSystem disk;

    void openPath(const std::string& path)
    {
        Module1::ReportFileName = path;
        Module1::NewReportFile = 0;
        screen = std::make_unique<frmKontrola>(AppServices{boxes, disk, clock}, ReportFile{path, false});
        screen->setAttribute(Qt::WA_DeleteOnClose, false);
        screen->show();
    }
};

TEST_F(ReviewOnDiskTest, AFolderOpensAnEmptyScreenAfterThePlatformsWords)
{
    std::filesystem::create_directory(dir.path() / "FOLDER.TXT");
    openPath(dir.file("FOLDER.TXT"));
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{"Is a directory"});
    EXPECT_EQ(total(), "0");
    EXPECT_EQ(text(Field::ImePrezime), "");
    click("cmdRec");
    click("cmdAddNew");
    box(Field::ImePrezime)->setText("Nova");
    click("cmdRec");
    // The store that could not read its file refuses to save it.
    EXPECT_EQ(boxes.messageTexts(),
              (std::vector<std::string>{"Is a directory", kIncompleteSaveMessage}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "FOLDER.TXT"));
}

TEST_F(ReviewOnDiskTest, ANameWithBlanksAndCyrillicIsCheckedAndSavedUnderItself)
{
    std::filesystem::create_directory(dir.path() / "моја папка");
    const std::string path = dir.file("моја папка/ПРИЈАВА за 2003.TXT");
    writeBytes(path, fileOf({recordLine(1), withBytes(recordLine(2), Field::Godina, "9A")}));
    openPath(path);
    EXPECT_EQ(total(), "2");

    boxes.answer(Answer::Yes);
    click("cmdKontrola");
    const std::string list = dir.file("моја папка/ПРИЈАВА за 2003.err");
    ASSERT_TRUE(std::filesystem::exists(list));
    const std::string bytes = readBytes(list);
    EXPECT_NE(bytes.find("\r\n" + dir.file("моја папка/ПРИЈАВА за 2003") + "\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("000002 ,9A Gr. slog"), std::string::npos);

    box(Field::Godina)->selectAll();
    QTest::keyClicks(box(Field::Godina), "99");
    click("cmdRec");
    EXPECT_EQ(readBytes(path), fileOf({recordLine(1), recordLine(2)}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "моја папка"),
                            std::filesystem::directory_iterator()),
              2);
}

} // namespace
} // namespace dorvik::testing
