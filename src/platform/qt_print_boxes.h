// The boxes of printing as real Qt dialogs: QPrintPreviewDialog, whose
// print dialog prints or prints to a file, and QProgressDialog.
#pragma once

#include "platform/print_boxes.h"

namespace dorvik {

class QtPrintBoxes : public PrintBoxes {
public:
    PrintOutcome preview(const PrintRequest& request) override;
    bool withProgress(const ProgressRequest& request,
                      const std::function<bool(const ProgressStep&)>& work) override;
};

// The one process-wide instance the screens use outside of tests.
PrintBoxes& applicationPrintBoxes();

} // namespace dorvik
