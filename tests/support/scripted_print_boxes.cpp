#include "scripted_print_boxes.h"

#include <QBuffer>
#include <QPdfWriter>

namespace dorvik::testing {

PrintOutcome ScriptedPrintBoxes::preview(const PrintRequest& request)
{
    ShownPreview shown;
    shown.title = request.title;
    shown.layout = request.layout;
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(request.layout);
        shown.drawn = request.draw(writer);
    }
    shown.pdf = pdf.data().toStdString();
    previews_.push_back(shown);
    if (!shown.drawn || outcomes_.empty())
        return {};
    PrintOutcome outcome = outcomes_.front();
    outcomes_.pop_front();
    return outcome;
}

bool ScriptedPrintBoxes::withProgress(const ProgressRequest& request,
                                      const std::function<bool(const ProgressStep&)>& work)
{
    progresses_.push_back(request);
    lastSteps_.push_back(0);
    std::optional<int> cancelAt;
    if (!cancels_.empty()) {
        cancelAt = cancels_.front();
        cancels_.pop_front();
    }
    int& last = lastSteps_.back();
    return work([&](int done) {
        last = done;
        return !cancelAt || done < *cancelAt;
    });
}

} // namespace dorvik::testing
