#include "review/review_printing.h"

#include "check/error_list.h"
#include "data/recordset.h"
#include "platform/code_page.h"
#include "print/error_list_pages.h"
#include "print/pdf_document.h"
#include "print/recapitulation_page.h"
#include "print/record_form_page.h"
#include "review/error_list_window.h"
#include "review/recapitulation.h"

#include <QDate>
#include <QFile>
#include <QLocale>

#include <filesystem>

namespace dorvik {

namespace {

struct Document {
    QString title;           // the preview's title and the PDF's
    QPageLayout layout;
    std::string pdfSuffix;   // of the default PDF name: "-rekap"
    std::string dialogTitle; // the save dialog's
    DrawDocument draw;
};

QString fromPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The report's name without its extension: "PRIJAVA" for PRIJAVA.TXT.
QString reportStem(const std::string& reportPath)
{
    return fromPath(std::filesystem::path(reportPath).stem().string());
}

// Today in the system's short format, with the year in four digits.
QString printedDate(const Clock& clock)
{
    const auto today = clock.today();
    const QDate date(int(today.year()), int(unsigned(today.month())), int(unsigned(today.day())));
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return QLocale().toString(date, format);
}

void writePdf(const PrintContext& context, const std::string& path, const Document& document,
              const QPageLayout& layout)
{
    const std::optional<QByteArray> bytes = drawPdf(document.title, layout, document.draw);
    if (!bytes)
        return; // cancelled: nothing is written
    if (const auto error = writeWhole(context.services.files, path,
                                      std::string_view(bytes->constData(), bytes->size())))
        tell(context.services.boxes, namedFailure(path, *error));
}

void deliver(const PrintContext& context, PrintTarget target, const Document& document)
{
    if (target == PrintTarget::Preview) {
        const PrintOutcome outcome = context.services.printing->preview(
            {document.title.toStdString(), document.layout, document.draw});
        if (outcome.kind == PrintOutcome::Kind::ToFile)
            writePdf(context, outcome.path, document, outcome.layout);
        return;
    }
    FileDialogRequest request;
    request.title = document.dialogTitle;
    request.initialFolder = std::filesystem::path(context.reportPath).parent_path().string();
    request.initialName = pdfNameFor(context.reportPath, document.pdfSuffix);
    request.filter = "PDF (*.pdf)|*.pdf";
    request.defaultSuffix = "pdf";
    request.mayNotExist = true;
    const std::string path = context.services.boxes.saveFile(request);
    if (!path.empty())
        writePdf(context, path, document, document.layout);
}

} // namespace

std::string pdfNameFor(const std::string& reportPath, const std::string& suffix)
{
    return std::filesystem::path(reportPath).stem().string() + suffix + ".pdf";
}

void deliverRecapitulation(const PrintContext& context, PrintTarget target,
                           const Recordset& records)
{
    const Recapitulation recap = recapitulationOf(records);
    RecapitulationSheet sheet;
    sheet.registrationNumber = bytesToText(recap.registrationNumber());
    sheet.employer = bytesToText(recap.employer());
    sheet.records = QString::number(recap.records());
    sheet.total = formatTotal(recap.total(), QLocale());
    sheet.notice = QString::fromStdString(unreadableAmountsMessage(recap.unreadable()));
    sheet.reportPath = fromPath(context.reportPath);
    sheet.printedOn = printedDate(context.services.clock);

    Document document;
    document.title = reportStem(context.reportPath) + QStringLiteral(" - Rekapitulacija");
    document.layout = a4Page(QPageLayout::Portrait);
    document.pdfSuffix = "-rekap";
    document.dialogTitle = "Rekapitulacija vo PDF";
    document.draw = [&sheet](QPagedPaintDevice& device) {
        drawRecapitulation(device, sheet);
        return true;
    };
    deliver(context, target, document);
}

void deliverErrorList(const PrintContext& context, PrintTarget target)
{
    const std::optional<ReadResult> list =
        readErrorList(context.services.files, context.services.boxes,
                      errorListName(context.reportPath).path);
    if (!list)
        return;
    const QString name = reportStem(context.reportPath);
    PrintBoxes& printing = *context.services.printing;

    Document document;
    document.title = name + QStringLiteral(" - Lista na greski");
    document.layout = a4Page(QPageLayout::Portrait);
    document.pdfSuffix = "-lista";
    document.dialogTitle = "Lista na greski vo PDF";
    document.draw = [&](QPagedPaintDevice& device) {
        const ListPages pages = layOutListFor(device, list->bytes);
        ProgressRequest progress;
        progress.title = "Lista na greski";
        progress.text = "Se podgotvuvaat stranite na listata na greski...";
        progress.maximum = static_cast<int>(pages.rows.size());
        return printing.withProgress(progress, [&](const ProgressStep& step) {
            return drawErrorList(device, pages, name, step);
        });
    };
    deliver(context, target, document);
}

void deliverRecord(const PrintContext& context, PrintTarget target,
                   const std::array<QString, kFieldCount>& values, int position, int total)
{
    RecordSheet sheet;
    sheet.values = values;
    sheet.caption = fromPath(std::filesystem::path(context.reportPath).filename().string())
                    + QStringLiteral(" - prijava %1 od %2").arg(position).arg(total);
    sheet.printedOn = printedDate(context.services.clock);

    Document document;
    document.title = reportStem(context.reportPath) + QStringLiteral(" - prijava %1").arg(position);
    document.layout = a4Page(QPageLayout::Landscape);
    document.pdfSuffix = "-slog-" + std::to_string(position);
    document.dialogTitle = "Prijavata vo PDF";
    document.draw = [&sheet](QPagedPaintDevice& device) {
        drawRecordForm(device, sheet);
        return true;
    };
    deliver(context, target, document);
}

} // namespace dorvik
