#include "review/review_check_view.h"

#include "data/customer_data_source.h"
#include "shell/record_binding.h"
#include "shell/report_form.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>

namespace dorvik {

ReviewCheckView::ReviewCheckView(Recordset& records, RecordBinding& binding,
                                 const std::array<QLineEdit*, kFieldCount>& boxes,
                                 QLineEdit& position, QProgressBar& progress, int shownPosition,
                                 std::function<bool()> stopped)
    : records_(records), binding_(binding), boxes_(boxes), positionBox_(position),
      progress_(progress), position_(shownPosition), stopped_(std::move(stopped))
{
    sinceShown_.start();
}

std::string ReviewCheckView::fieldText(Field field)
{
    // The store's current record is what the bound box shows, or will show
    // at the next repaint.
    return std::string(records_.field(field));
}

std::string_view ReviewCheckView::fieldView(Field field, std::string&)
{
    return records_.field(field);
}

void ReviewCheckView::setColour(Field field, BoxColour colour)
{
    showNow();
    paintBox(boxes_[static_cast<int>(field)], colour);
}

void ReviewCheckView::showPosition(int position)
{
    position_ = position;
    showIfDue();
}

// The run gives the progress first and then the position of the same
// record; the position paints both, so that they never disagree on screen.
void ReviewCheckView::showProgress(int maximum, int value)
{
    maximum_ = maximum;
    value_ = value;
    if (!progress_.isVisible())
        progress_.show();
}

void ReviewCheckView::hideProgress()
{
    maximum_ = 0;
    progress_.hide();
    showNow();
}

void ReviewCheckView::showNow()
{
    if (records_.hasCurrent()) {
        binding_.flush();
    } else if (records_.Eof() && records_.RecordCount() > 0) {
        // Past the last record, as the verdict opens: the last record stays
        // in view rather than empty boxes.
        binding_.show(&records_.record(records_.RecordCount() - 1));
    }
    const QString position = QString::number(position_);
    if (positionBox_.text() != position)
        positionBox_.setText(position);
    if (maximum_ > 0) {
        if (progress_.maximum() != maximum_)
            progress_.setMaximum(maximum_);
        progress_.setValue(value_);
    }
    sinceShown_.restart();
}

void ReviewCheckView::showIfDue()
{
    if (sinceShown_.elapsed() < kRepaintIntervalMs)
        return;
    showNow();
    // Let the screen paint; what the user types or clicks meanwhile waits.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

Answer RunBoxes::message(const MessageRequest& request)
{
    if (!request.finding) {
        view_.showNow();
        return inner_.message(request);
    }
    if (quiet_)
        return Answer::Ok;
    view_.showNow();
    bool ticked = false;
    const Answer answer = inner_.messageWithCheckBox(request, kQuietFindingsCheckBox, ticked);
    quiet_ = ticked;
    return answer;
}

// The run asks for no input and no file.
std::string RunBoxes::input(const InputRequest& request)
{
    return inner_.input(request);
}

std::string RunBoxes::openFile(const FileDialogRequest& request)
{
    return inner_.openFile(request);
}

std::string RunBoxes::saveFile(const FileDialogRequest& request)
{
    return inner_.saveFile(request);
}

} // namespace dorvik
