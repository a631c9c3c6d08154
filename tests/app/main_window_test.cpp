#include "app/main_window.h"

#include "platform/settings_store.h"
#include "review/frm_kontrola.h"
#include "screen_test.h"
#include "transfer/frm_prenos.h"

#include <QLabel>
#include <QMenu>
#include <QToolButton>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

struct MainWindowTest : ScreenTest<MainWindow> {
    QtSettingsStore settings; // under the test run's own folder
    AppServices services{boxes, files, clock};
    double stored(const char* key) { return *settings.number("Settings", QLatin1String(key)); }
};

} // namespace

TEST_F(MainWindowTest, MenusShowOnlyTheirVisibleSeparators)
{
    MainWindow window(services, settings);
    auto* help = window.findChild<QMenu*>("mnuHelp");
    EXPECT_FALSE(help->actionGeometry(window.findChild<QAction*>("mnuHelpBar0")).isEmpty());
    auto* file = window.findChild<QMenu*>("mnuFile");
    EXPECT_TRUE(file->actionGeometry(window.findChild<QAction*>("mnuFileBar5")).isEmpty());
}

TEST_F(MainWindowTest, PlacementComesBackToThePixelAndIsNotStoredWhenMinimized)
{
    {
        MainWindow window(services, settings);
        EXPECT_EQ(window.pos(), QPoint(67, 67)); // 1000 twips
        EXPECT_EQ(window.size(), QSize(433, 433)); // 6500 twips
        window.close();
    }
    settings.setNumber("Settings", "MainLeft", 1508);   // 100.5 pixels
    settings.setNumber("Settings", "MainHeight", 7000); // 466.7 pixels
    for (int run = 0; run < 3; ++run)
        MainWindow(services, settings).close();
    EXPECT_EQ(stored("MainLeft"), 1515);
    EXPECT_EQ(stored("MainHeight"), 7005);
    MainWindow minimized(services, settings);
    minimized.move(300, 300);
    minimized.showMinimized();
    minimized.close();
    EXPECT_EQ(stored("MainLeft"), 1515);
}

TEST_F(MainWindowTest, TheFileCommands)
{
    MainWindow window(services, settings);
    window.openForReview(); // cancelled
    const FileDialogRequest& review = boxes.shown().at(0).file;
    EXPECT_EQ(review.title, "Otvori");
    EXPECT_EQ(review.filter, "Only text (*.*)|*.*");
    EXPECT_FALSE(review.initialFolder.empty());
    EXPECT_TRUE(window.openScreens().empty());

    // A new file that cannot be made: named in the platform's words.
    boxes.answerFile("/a/NOVA.TXT");
    files.openError = "nema dozvola za pristap";
    window.openForEntry();
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"/a/NOVA.TXT: nema dozvola za pristap"});
    EXPECT_TRUE(window.openScreens().empty());
    files.openError.clear();

    const std::string path = "/a/NOVA.TXT";
    boxes.answerFile(path);
    window.openForEntry();
    const FileDialogRequest& entry = boxes.shown().at(3).file;
    EXPECT_EQ(entry.title, "Otvori nova datoteka za vnesuvanje ...");
    EXPECT_TRUE(entry.mayNotExist);
    EXPECT_TRUE(entry.initialFolder.empty());
    EXPECT_EQ(files.files.at(path), "");
    QApplication::activeModalWidget()->close(); // the auto-fill dialog; then the screen shows
    ASSERT_EQ(window.openScreens().size(), 1u);
    EXPECT_EQ(window.openScreens()[0]->windowTitle(), "Vnos na novi prijavi... - NOVA.TXT");
    window.openScreens()[0]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The review command's dialog starts on the file chosen last.
    window.openForReview();
    EXPECT_EQ(boxes.shown().back().file.initialFolder, "/a");
    EXPECT_EQ(boxes.shown().back().file.initialName, "NOVA.TXT");
}

TEST_F(MainWindowTest, ScreensNameTheirFilesTellSavesAndCloseNewestFirstUnlessOneRefuses)
{
    files.files["/a/P.TXT"] = fileOf(records(2));
    MainWindow window(services, settings);
    window.show();
    window.openForReview("/a/P.TXT");
    window.openForReview("/a/NEMA.TXT"); // named, and no empty screen
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"/a/NEMA.TXT: takva datoteka ili papka ne postoi"});
    window.openForReview("/a/P.TXT");
    ASSERT_EQ(window.openScreens().size(), 2u);
    auto* first = qobject_cast<frmKontrola*>(window.openScreens()[0]);
    EXPECT_EQ(first->windowTitle(), "Pregled i kontrola na prijavi... - P.TXT");
    EXPECT_EQ(first->toolTip(), "/a/P.TXT");
    // Opened together, one a step below and right of the other.
    EXPECT_EQ(window.openScreens()[1]->pos(), first->pos() + QPoint(24, 24));

    first->findChild<QToolButton*>("cmdRec")->click();
    auto* status = window.findChild<QLabel*>("lblStatusText");
    EXPECT_EQ(status->text(), "Snimeni se 2 prijavi vo P.TXT.");
    EXPECT_EQ(status->toolTip(), "Snimeni se 2 prijavi vo P.TXT.");

    first->form()->box(Field::Firma)->setFocus();
    first->form()->box(Field::Firma)->selectAll();
    QTest::keyClicks(first->form()->box(Field::Firma), "Nova");
    EXPECT_EQ(status->text(), "Status"); // the edit makes the save's status stale
    boxes.clear();
    boxes.answer(Answer::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(window.openScreens().size(), 1u); // the newest closed, the first stayed
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{"Promenite vo P.TXT ne se snimeni. Dali da se snimat?"});
    boxes.answer(Answer::No);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(files.files["/a/P.TXT"], fileOf(records(2)));
}

TEST_F(MainWindowTest, TheImportCommandAsksForTheReportFileThenTheSheet)
{
    MainWindow window(services, settings);
    QAction* command = window.findChild<QAction*>("mnuPrenosOdTabela");
    EXPECT_EQ(command->shortcut(), QKeySequence("Ctrl+T"));
    command->trigger(); // cancelled at the first dialog
    boxes.answerFile("/a/P.TXT");
    command->trigger(); // cancelled at the second
    ASSERT_EQ(boxes.shown().size(), 3u);
    const FileDialogRequest& report = boxes.shown()[1].file;
    EXPECT_EQ(report.title, "Otvori nova datoteka za vnesuvanje ...");
    EXPECT_TRUE(report.mayNotExist);
    EXPECT_TRUE(window.openScreens().empty());

    // Both chosen: the window; after an append the review screen on the file.
    files.files["/a/P.TXT"] = fileOf(records(1));
    files.files["/a/plata.csv"] = "LicenBroj;MaticenBroj;ImePrezime;PeriodOd;PeriodDo;VkRabCasovi;Denari\r\n"
                                  "1111111181;0101980450008;Ana;0101;3112;2088;100\r\n";
    // The year is never remembered: were this one taken, the check would refuse the row.
    settings.setText("Prenos", "Godina", "vrednost:27");
    settings.setText("Prenos", "RegistarskiBroj", "vrednost:1234567897");
    Module1::AutoGodina = "26";
    boxes.answerFile("/a/P.TXT");
    boxes.answerFile("/a/plata.csv");
    command->trigger();
    ASSERT_EQ(window.openScreens().size(), 1u);
    auto* transfer = qobject_cast<frmPrenos*>(window.openScreens()[0]);
    ASSERT_NE(transfer, nullptr);
    ASSERT_EQ(transfer->plan().good, 1);
    boxes.answer(Answer::Yes); // open the file for review
    transfer->append();
    ASSERT_EQ(window.openScreens().size(), 2u);
    EXPECT_NE(qobject_cast<frmKontrola*>(window.openScreens()[1]), nullptr);
    EXPECT_EQ(window.findChild<QLabel*>("lblStatusText")->text(), "Snimeni se 2 prijavi vo P.TXT.");
    for (QWidget* screen : window.openScreens())
        screen->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
