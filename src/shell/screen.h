// What both screens are: a window over one report file, opened from the
// main window, that
// - names its file in its caption ("caption - NAME") and the whole path in
//   its tooltip;
// - tells the main window after every successful save (saved), shows where
//   a save kept the file as it was, and withdraws the save's status at the
//   next edit or a failed save (statusCleared);
// - asks before closing drops work that was not saved (mayClose);
// - survives being closed while one of its own boxes is open (the main
//   window closing it, the session ending): it is then abandoned. It hides
//   at once; every question still open or still to come answers as if the
//   user had declined it (No, Cancel), so nothing more is written; and it is
//   deleted only once the last of its boxes has returned, never under the
//   code that waits for one.
#pragma once

#include "shell/app_services.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace dorvik {

class CustomerDataSource;

class Screen : public QWidget {
    Q_OBJECT
public:
    Screen(AppServices services, const ReportFile& file, QWidget* parent = nullptr);
    ~Screen() override;

    const ReportFile& reportFile() const { return file_; }

signals:
    // After every successful save: "Snimeni se N prijavi vo NAME."
    void saved(const QString& status);
    // The last save's status no longer tells how things are.
    void statusCleared();

protected:
    // The platform's services, with this screen's boxes.
    const AppServices& services() const { return services_; }
    PrintBoxes& printing() const { return *services_.printing; }
    bool abandoned() const { return abandoned_; }

    // Whether the screen may close now; asks about unsaved work.
    virtual bool mayClose() = 0;
    void closeEvent(QCloseEvent* event) override;

    // "caption - NAME" as the window's title; the whole path in its tooltip.
    void setCaption(const QString& caption);
    // Tells the main window about the store's last save (the note after
    // its status), and the user where it kept the file as it was, when it
    // did.
    void reportSave(const CustomerDataSource& store, const char* note = "");
    // An edit or a failed save: the last save's status goes.
    void clearStatus();
    // Before a typed new report is left: asks "Novata prijava ne e snimena.
    // Dali da se snimi?" (naming the file when closing; Yes, No or Cancel,
    // Yes the default). True when it may be left: Yes and save() saved it,
    // or No; false when it stays (Cancel, or it could not be saved).
    bool mayLeaveNewReport(bool closing, const std::function<bool()>& save);

private:
    class ScreenBoxes;
    class ScreenPrintBoxes;

    // Shows a box, counted while it is open; whenAbandoned once the screen
    // has been abandoned.
    template <typename Show, typename Result>
    Result whileOpen(Show show, Result whenAbandoned);

    std::unique_ptr<ScreenBoxes> boxes_;
    std::unique_ptr<ScreenPrintBoxes> printBoxes_;
    AppServices services_;
    ReportFile file_;
    bool statusShown_ = false;
    int openBoxes_ = 0;
    bool abandoned_ = false;
};

} // namespace dorvik
