#include "review/review_error_list.h"

#include <QTableView>

namespace dorvik {

ReviewErrorList::ReviewErrorList(QWidget& screen, const AppServices& services,
                                 std::function<void(int)> recordChosen)
    : screen_(screen), services_(services), recordChosen_(std::move(recordChosen))
{
}

void ReviewErrorList::show(const std::string& reportPath)
{
    if (load(reportPath))
        present();
}

void ReviewErrorList::afterCheck(CheckVerdict verdict, const std::string& reportPath)
{
    const bool failed = verdict == CheckVerdict::Failed;
    if (failed || (window_ && window_->isVisible()))
        if (load(reportPath) && failed)
            present();
}

void ReviewErrorList::setEnabled(bool enabled)
{
    if (window_)
        window_->table()->setEnabled(enabled);
}

bool ReviewErrorList::load(const std::string& reportPath)
{
    const std::string path = errorListName(reportPath).path;
    std::optional<ReadResult> read = readErrorList(services_.files, services_.boxes, path);
    if (!read)
        return false;
    if (!window_) {
        window_ = new ErrorListWindow(&screen_);
        QObject::connect(window_, &ErrorListWindow::recordChosen, &screen_, recordChosen_);
        // Beside the screen, where there is room.
        window_->move(screen_.frameGeometry().topRight() + QPoint(8, 0));
    }
    window_->showList(path, read->status.modified, std::move(read->bytes));
    return true;
}

void ReviewErrorList::present()
{
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace dorvik
