// frmMain: the hub of the program, with its menus, status bar and the two
// file commands that open the screens.
#pragma once

#include "shell/screen.h"

#include <QMainWindow>
#include <QPointer>

#include <string>
#include <vector>

class QAction;
class QLabel;

namespace dorvik {

class Screen;
class SettingsStore;

// Converts between the settings' twips (15 to a pixel at 96 dpi) and pixels.
// Pixels -> twips -> pixels gives back the same pixels, so the window never
// creeps from run to run.
inline int twipsToPixels(double twips) { return static_cast<int>(twips / 15.0 + (twips >= 0 ? 0.5 : -0.5)); }
inline double pixelsToTwips(int pixels) { return pixels * 15.0; }

// The folder the review command's dialog starts in: the diskette drive of the
// original system is a removable medium here, so the first medium mounted
// under /media/<user> or /run/media/<user>, else the home folder.
std::string removableMediaFolder();

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppServices services, SettingsStore& settings, QWidget* parent = nullptr);

    // The menu commands.
    void openForReview();   // mnuFileOpen
    // The review command after its dialog: a review screen over the file.
    void openForReview(const std::string& path);
    void openForEntry();    // mnuPrenosNaPrijavi
    void openForTransfer(); // mnuPrenosOdTabela: the rows of a sheet as reports
    void showVersion();     // mnuHelpAbout

    // Windows opened from here and still open, oldest first.
    std::vector<QWidget*> openScreens() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FileDialogRequest newReportFileDialog() const;
    void placeFromSettings();
    void storePlacement();
    // Places a screen just opened and follows its saves.
    void track(Screen* screen);
    // The status panel: a screen's last save, or "Status" (from nullptr).
    void showStatus(Screen* from, const QString& status);
    void updateClock();

    AppServices services_;
    SettingsStore& settings_;
    std::vector<QPointer<QWidget>> screens_;
    // ReportFileName: the report file chosen last by any file command, where
    // the review command's dialog starts. Each screen keeps its own file.
    std::string lastReport_;
    std::string lastSheet_; // the sheet the import command opened last
    QLabel* statusLabel_ = nullptr; // lblStatusText
    QPointer<Screen> statusFrom_;
    QLabel* dateLabel_ = nullptr;
    QLabel* timeLabel_ = nullptr;
};

} // namespace dorvik
