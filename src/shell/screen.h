// What both screens are: a window over one report file, opened from the
// main window, that
// - tells the main window after every successful save (saved);
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

#include <memory>
#include <string>

namespace dorvik {

class CustomerDataSource;

inline constexpr const char* kUnsavedChangesQuestion =
    "Promenite vo prijavite ne se snimeni. Dali da se snimat?";
inline constexpr const char* kDropNewReportQuestion =
    "Novata prijava ne e snimena. Dali da se otfrli?";

class Screen : public QWidget {
    Q_OBJECT
public:
    Screen(AppServices services, QWidget* parent = nullptr);
    ~Screen() override;

signals:
    // After every successful save: "Snimeni se N prijavi vo NAME." ...
    void saved(const QString& status);

protected:
    // The platform's services, with this screen's boxes.
    const AppServices& services() const { return services_; }
    bool abandoned() const { return abandoned_; }

    // Whether the screen may close now; asks about unsaved work.
    virtual bool mayClose() = 0;
    void closeEvent(QCloseEvent* event) override;

    // Tells the main window about the store's last save.
    void reportSave(const CustomerDataSource& store);
    // "Novata prijava ne e snimena. Dali da se otfrli?": true for Yes.
    bool mayDropNewReport();

private:
    class ScreenBoxes;

    std::unique_ptr<ScreenBoxes> boxes_;
    AppServices services_;
    int openBoxes_ = 0;
    bool abandoned_ = false;
};

} // namespace dorvik
