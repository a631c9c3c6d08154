// A scripted stand-in for the print preview and the progress box. The
// preview draws the document into a PDF, so that tests can read its pages,
// and then answers as scripted (closed, when the script has run dry). A
// progress box cancels once the work reports as much done as told.
#pragma once

#include "platform/print_boxes.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace dorvik::testing {

struct ShownPreview {
    std::string title;
    QPageLayout layout;
    std::string pdf; // its pages drawn
    bool drawn = false;
};

class ScriptedPrintBoxes : public PrintBoxes {
public:
    void answerPreview(PrintOutcome outcome) { outcomes_.push_back(std::move(outcome)); }
    // The next progress box is cancelled once done reaches this.
    void cancelAt(int done) { cancels_.push_back(done); }

    PrintOutcome preview(const PrintRequest& request) override;
    bool withProgress(const ProgressRequest& request,
                      const std::function<bool(const ProgressStep&)>& work) override;

    const std::vector<ShownPreview>& previews() const { return previews_; }
    const std::vector<ProgressRequest>& progresses() const { return progresses_; }
    // The last value each progress box was given.
    const std::vector<int>& lastSteps() const { return lastSteps_; }

private:
    std::deque<PrintOutcome> outcomes_;
    std::deque<int> cancels_;
    std::vector<ShownPreview> previews_;
    std::vector<ProgressRequest> progresses_;
    std::vector<int> lastSteps_;
};

} // namespace dorvik::testing
