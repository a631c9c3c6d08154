#include "platform/qt_print_boxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>
#include <QTimer>

namespace dorvik {

namespace {

// The progress box is repainted at most this often: each repaint lets the
// event loop run, which costs more than a page.
constexpr qint64 kRepaintIntervalMs = 50;

// The preview draws on a picture engine of its own; printing draws on the
// printer's.
bool isPreviewing(QPrinter& printer)
{
    QPaintEngine* engine = printer.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

} // namespace

PrintOutcome QtPrintBoxes::preview(const PrintRequest& request)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(request.title));
    printer.setPageLayout(request.layout);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromStdString(request.title));
    // Room for a page to be read, where the screen has it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.resize(QSize(960, 800).boundedTo(screen->availableGeometry().size()));

    PrintOutcome outcome;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        if (!isPreviewing(*target) && target->outputFormat() == QPrinter::PdfFormat
            && !target->outputFileName().isEmpty()) {
            // Printing to a file: the caller writes it through its safe
            // writer, so a failure never leaves half a file. Nothing is drawn
            // here, so the printer never opens the file.
            outcome.kind = PrintOutcome::Kind::ToFile;
            outcome.path = QFile::encodeName(target->outputFileName()).toStdString();
            outcome.layout = target->pageLayout();
            return;
        }
        const bool previewing = isPreviewing(*target);
        if (request.draw(*target)) {
            if (!previewing)
                outcome.kind = PrintOutcome::Kind::Printed;
            return;
        }
        // Cancelled: a preview that was never finished closes; a print run
        // is aborted where the printer allows it.
        if (previewing)
            QTimer::singleShot(0, &dialog, &QDialog::reject);
        else
            target->abort();
        outcome.kind = PrintOutcome::Kind::Closed;
    });
    dialog.exec();
    return outcome;
}

bool QtPrintBoxes::withProgress(const ProgressRequest& request,
                                const std::function<bool(const ProgressStep&)>& work)
{
    QProgressDialog box(QString::fromStdString(request.text), QStringLiteral("Otkazi"), 0,
                        std::max(request.maximum, 1), QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(request.title));
    box.setWindowModality(Qt::ApplicationModal);
    box.setMinimumDuration(400);
    box.setAutoClose(false);
    box.setAutoReset(false);
    QElapsedTimer sinceShown;
    sinceShown.start();
    box.setValue(0);
    const bool finished = work([&](int done) {
        if (sinceShown.elapsed() >= kRepaintIntervalMs) {
            // A modal box lets the events through here, the Cancel button's too.
            box.setValue(std::min(done, box.maximum()));
            sinceShown.restart();
        }
        return !box.wasCanceled();
    });
    return finished && !box.wasCanceled();
}

PrintBoxes& applicationPrintBoxes()
{
    static QtPrintBoxes boxes;
    return boxes;
}

} // namespace dorvik
