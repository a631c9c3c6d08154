// The review screen's "Lista na greski" window: made on first use beside the
// screen, read from the list beside the screen's report file, shown, and
// read anew after a check run.
#pragma once

#include "check/check_run.h"
#include "review/error_list_window.h"
#include "shell/app_services.h"

#include <QPointer>

#include <functional>
#include <string>

namespace dorvik {

class ReviewErrorList {
public:
    // recordChosen: the user went from a row of the list to its record.
    ReviewErrorList(QWidget& screen, const AppServices& services,
                    std::function<void(int record)> recordChosen);

    // "Lista na greski": the list beside the report file, read and shown.
    void show(const std::string& reportPath);
    // After a check run: a failed file's list is shown; a list already open
    // is read anew.
    void afterCheck(CheckVerdict verdict, const std::string& reportPath);
    // The rows lead to records only while the screen shows records.
    void setEnabled(bool enabled);

    // The window, once made.
    ErrorListWindow* window() const { return window_; }

private:
    // Reads the list into the window (made on first use); false after
    // telling the user why not.
    bool load(const std::string& reportPath);
    void present();

    QWidget& screen_;
    const AppServices& services_;
    std::function<void(int)> recordChosen_;
    QPointer<ErrorListWindow> window_;
};

} // namespace dorvik
