// The print preview (with its print dialog) and the progress box of a long
// job: the boxes of printing, behind one interface beside the user's boxes,
// so that tests can script them. Unlike the user's boxes they speak Qt: what
// they show is drawn on a Qt paint device.
#pragma once

#include <QPageLayout>

#include <functional>
#include <string>

class QPagedPaintDevice;

namespace dorvik {

// Draws a whole document on the device, page after page. False when the
// user cancelled part way: what was drawn is then thrown away.
using DrawDocument = std::function<bool(QPagedPaintDevice&)>;

struct PrintRequest {
    std::string title;  // the preview window's title and the document's name
    QPageLayout layout; // page size, orientation and margins
    DrawDocument draw;
};

struct PrintOutcome {
    enum class Kind {
        Closed,  // the preview was closed, or its drawing cancelled: nothing printed
        Printed, // sent to the printer
        ToFile,  // the user chose to print to a PDF file, which is not yet written
    } kind = Kind::Closed;
    // ToFile: the file chosen (file system bytes) and the page layout chosen
    // in the print dialog. The caller writes it, through its safe writer.
    std::string path;
    QPageLayout layout;
};

struct ProgressRequest {
    std::string title;
    std::string text;
    int maximum = 0;
};

// Tells the progress box how much is done; false once the user has cancelled.
using ProgressStep = std::function<bool(int done)>;

class PrintBoxes {
public:
    virtual ~PrintBoxes() = default;

    // Shows the document in the print preview, modal, until the user closes
    // it or prints from it.
    virtual PrintOutcome preview(const PrintRequest& request) = 0;

    // Runs the work while a modal progress box with a Cancel button shows
    // (once the work lasts long enough to need it). The work calls the step
    // with how much it has done and stops when the step answers false.
    // Returns what the work returned.
    virtual bool withProgress(const ProgressRequest& request,
                              const std::function<bool(const ProgressStep&)>& work) = 0;
};

} // namespace dorvik
