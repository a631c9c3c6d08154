#include "platform/file_list_texts.h"

#include "temp_dir.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

using namespace dorvik;
using namespace dorvik::testing;

TEST(FileListTexts, SizesInBytesThenUnitsOf1024InTheLocalesWay)
{
    const QLocale macedonian(QLocale::Macedonian);
    const std::tuple<qint64, QLocale, const char*> cases[] = {
        {0, QLocale::c(), "0 bajti"},
        {1, QLocale::c(), "1 bajt"},
        {1023, QLocale::c(), "1023 bajti"},
        {1024, QLocale::c(), "1.0 KB"},
        {1536, macedonian, "1,5 KB"},
        {1048524, QLocale::c(), "1023.9 KB"},
        {1048525, QLocale::c(), "1.0 MB"}, // not "1024.0 KB"
        {5LL << 30, QLocale::c(), "5.0 GB"},
        {3LL << 50, QLocale::c(), "3072.0 TB"},
    };
    for (const auto& [bytes, locale, text] : cases) {
        QLocale::setDefault(locale);
        EXPECT_EQ(fileSizeText(bytes), text) << bytes;
    }
    QLocale::setDefault(QLocale::system());
}

TEST(FileListTexts, TypesFromTheNamesSuffix)
{
    const std::pair<const char*, const char*> cases[] = {
        {"PRIJAVA.TXT", "TXT datoteka"}, {"prijava.txt", "TXT datoteka"},
        {"arhiva.tar.gz", "GZ datoteka"}, {"PRIJAVA", "Datoteka"}, {".profile", "Datoteka"},
    };
    for (const auto& [name, type] : cases)
        EXPECT_EQ(fileTypeText(name), type) << name;
}

TEST(FileListTexts, OverQtsFileModelFilesInTheProgramsWordsFoldersAsQtSays)
{
    TempDir dir;
    writeBytes(dir.file("PRIJAVA.TXT"), "abc");
    std::filesystem::create_directory(dir.file("ARHIVA"));
    QFileSystemModel files;
    FileListTexts texts;
    texts.setSourceModel(&files);
    const QModelIndex root = texts.mapFromSource(files.setRootPath(QString::fromStdString(dir.path())));
    auto row = [&](const char* name) {
        for (int i = 0; i < texts.rowCount(root); ++i)
            if (texts.index(i, 0, root).data() == name)
                return i;
        return -1;
    };
    auto shown = [&](const char* name, int column) {
        return texts.index(row(name), column, root).data().toString();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return row("PRIJAVA.TXT") >= 0 && row("ARHIVA") >= 0; }, 5000));

    EXPECT_EQ(shown("PRIJAVA.TXT", 1), "3 bajti");
    EXPECT_EQ(shown("PRIJAVA.TXT", 2), "TXT datoteka");
    const QDateTime written = QFileInfo(QString::fromStdString(dir.file("PRIJAVA.TXT"))).lastModified();
    EXPECT_EQ(shown("PRIJAVA.TXT", 3), written.toString("dd.MM.yyyy HH:mm"));
    // What the model says of a folder's size and type, and every role but
    // the shown text, pass through.
    const QModelIndex folder = texts.index(row("ARHIVA"), 0, root);
    for (int column : {1, 2})
        EXPECT_EQ(folder.siblingAtColumn(column).data(),
                  texts.mapToSource(folder).siblingAtColumn(column).data()) << column;
    EXPECT_EQ(texts.index(row("PRIJAVA.TXT"), 1, root).data(Qt::TextAlignmentRole),
              files.index(dir.file("PRIJAVA.TXT").c_str(), 1).data(Qt::TextAlignmentRole));
}
