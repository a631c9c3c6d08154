#include "app/main_window.h"

#include "platform/settings_store.h"
#include "scripted_boxes.h"
#include "shell/module1.h"
#include "temp_dir.h"
#include "memory_file_system.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

class MemorySettings : public SettingsStore {
public:
    std::map<QString, double> values;
    int writes = 0;
    std::optional<double> number(const QString& section, const QString& key) const override
    {
        const auto it = values.find(section + "/" + key);
        return it == values.end() ? std::nullopt : std::optional<double>(it->second);
    }
    void setNumber(const QString& section, const QString& key, double value) override
    {
        values[section + "/" + key] = value;
        ++writes;
    }
};

struct MainWindowTest : ::testing::Test {
    ScriptedBoxes boxes;
    MemoryFileSystem files;
    FixedClock clock{std::chrono::year{2026} / 12 / 7};
    MemorySettings settings;
    AppServices services{boxes, files, clock};
};

} // namespace

TEST_F(MainWindowTest, MenusInOrderWithTheirCaptions)
{
    MainWindow window(services, settings);
    EXPECT_EQ(window.windowTitle(), "Dorvik");
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&IZBOR", "&PRENOS", "&KONTROLA", "&POMOS"}));
    auto* exit = window.findChild<QAction*>("mnuFileExit");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->text(), "K&raj");
    EXPECT_FALSE(window.findChild<QAction*>("mnuFileBar5")->isVisible());
    EXPECT_EQ(window.findChild<QAction*>("mnuFileOpen")->text(),
              "&Kontrola i korekcija na prijavi...");
    EXPECT_EQ(window.findChild<QAction*>("mnuPrenosNaPrijavi")->text(), "Vnos na prijavi");
    EXPECT_TRUE(window.findChild<QAction*>("mnuHelpBar0")->isSeparator());

    window.findChild<QAction*>("mnuHelpAbout")->trigger();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].message.text, "Verzija na programot 1.0.0");
    EXPECT_EQ(boxes.shown()[0].message.title, "Dorvik");
}

TEST_F(MainWindowTest, PlacementDefaultsStoredOnCloseButNotWhenMinimized)
{
    {
        MainWindow window(services, settings);
        EXPECT_EQ(window.pos(), QPoint(67, 67)); // 1000 twips
        EXPECT_EQ(window.size(), QSize(433, 433)); // 6500 twips
        window.show();
        window.close();
        EXPECT_EQ(settings.values["Settings/MainWidth"], 433 * 15);
    }
    // A stored placement comes back to the pixel, run after run.
    settings.values["Settings/MainLeft"] = 1500;
    settings.values["Settings/MainTop"] = 2505;
    settings.values["Settings/MainWidth"] = 9000;
    settings.values["Settings/MainHeight"] = 7000;
    for (int run = 0; run < 3; ++run) {
        MainWindow window(services, settings);
        window.close();
    }
    EXPECT_EQ(settings.values["Settings/MainLeft"], 1500);
    EXPECT_EQ(settings.values["Settings/MainTop"], 2505);
    EXPECT_EQ(settings.values["Settings/MainHeight"], 7005);

    settings.writes = 0;
    MainWindow minimized(services, settings);
    minimized.showMinimized();
    minimized.close();
    EXPECT_EQ(settings.writes, 0);
}

TEST_F(MainWindowTest, ReviewCommandCancelOpensNothing)
{
    MainWindow window(services, settings);
    Module1::ReportFileName = "/earlier/FILE.TXT";
    Module1::NewReportFile = 1;
    window.openForReview();
    ASSERT_EQ(boxes.shown().size(), 1u);
    const FileDialogRequest& dialog = boxes.shown()[0].file;
    EXPECT_EQ(dialog.title, "Otvori");
    EXPECT_EQ(dialog.filter, "Only text (*.*)|*.*");
    EXPECT_FALSE(dialog.initialFolder.empty());
    EXPECT_FALSE(dialog.mayNotExist);
    EXPECT_EQ(Module1::ReportFileName, "/earlier/FILE.TXT");
    EXPECT_EQ(Module1::NewReportFile, 0);
    EXPECT_TRUE(window.openScreens().empty());
}

TEST_F(MainWindowTest, EntryCommandCreatesANewFileEmpty)
{
    TempDir dir;
    MainWindow window(services, settings);
    const std::string path = dir.file("NOVA.TXT");
    boxes.answerFile(path);
    boxes.answer(Answer::Ok);
    window.openForEntry();
    const FileDialogRequest& dialog = boxes.shown()[0].file;
    EXPECT_EQ(dialog.title, "Otvori nova datoteka za vnesuvanje ...");
    EXPECT_TRUE(dialog.mayNotExist);
    EXPECT_TRUE(dialog.initialFolder.empty());
    EXPECT_EQ(Module1::ReportFileName, path);
    EXPECT_EQ(Module1::NewReportFile, 1);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    for (QWidget* screen : window.openScreens())
        screen->close();
}

TEST_F(MainWindowTest, EntryCommandThatCannotCreateTheFileOpensNothing)
{
    TempDir dir;
    MainWindow window(services, settings);
    boxes.answerFile(dir.file("no-such-folder/NOVA.TXT"));
    window.openForEntry();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].kind, ShownBox::Kind::Message);
    EXPECT_FALSE(boxes.shown()[1].message.text.empty());
    EXPECT_EQ(Module1::NewReportFile, 0);
    EXPECT_TRUE(window.openScreens().empty());
}

TEST(Twips, RoundTripDoesNotCreep)
{
    for (int px = -50; px < 3000; ++px)
        ASSERT_EQ(twipsToPixels(pixelsToTwips(px)), px);
}
