// What the review screen makes of its whole file: the recapitulation, the
// check run and its error list with the findings of a record, and the
// printed documents.

#include "check/record_findings.h"
#include "data/customer_data_source.h"
#include "platform/code_page.h"
#include "review/frm_kontrola.h"
#include "review/recapitulation.h"
#include "review/review_check_run.h"
#include "review/review_check_view.h"
#include "shell/form_widgets.h"
#include "shell/report_form.h"
#include "shell/screen_messages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolButton>

#include <array>

namespace dorvik {

void frmKontrola::recapitulate()
{
    if (busy_)
        return;
    busy_ = true;
    Recordset& records = store_->rsCustomers;
    const int count = records.RecordCount();
    Recapitulation recap;
    QElapsedTimer sinceShown;
    sinceShown.start();
    progress_->setMaximum(std::max(count, 1));
    progress_->setValue(0);
    progress_->show();
    for (int i = 0; i < count; ++i) {
        recap.add(i + 1, records.record(i));
        if (sinceShown.elapsed() >= kRepaintIntervalMs) {
            progress_->setValue(i + 1);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sinceShown.restart();
        }
    }
    progress_->setValue(count);
    progress_->hide();
    busy_ = false;

    if (!recap.unreadable().empty())
        tell(services().boxes, unreadableAmountsMessage(recap.unreadable()), Icon::Information,
             "KONTROLA");
    if (!rekap_) {
        rekap_ = new frmRekapitular(this);
        connect(rekap_, &frmRekapitular::printRequested, this, &frmKontrola::printRecapitulation);
        connect(rekap_, &frmRekapitular::pdfRequested, this, &frmKontrola::recapitulationToPdf);
        enablePrinting();
    }
    rekap_->showValues(bytesToText(recap.registrationNumber()), bytesToText(recap.employer()),
                       QString::number(recap.records()), formatTotal(recap.total(), QLocale()));
    rekap_->show();
    rekap_->raise();
    rekap_->activateWindow();
}

// --- Check run --------------------------------------------------------------

void frmKontrola::check()
{
    if (busy_ || !reviewMode())
        return;
    if (!checkWhatIsOnTheDisk(kSaveBeforeCheckQuestion))
        return;
    busy_ = true;
    menuBar_->setEnabled(false);
    for (QLineEdit* box : form_->boxes())
        box->setReadOnly(true);
    const CheckVerdict verdict =
        runReviewCheck(services(), {*store_, *binding_, form_->boxes(), *positionBox_, *progress_},
                       recordPosition_, [this] { return abandoned(); });
    moveTo(positionAfterCheck(verdict, recordPosition_, recordTotal_));
    showCounters();

    // Clicks and keys that waited during the walk are spent while the screen
    // still refuses them.
    QCoreApplication::processEvents();
    busy_ = false;
    menuBar_->setEnabled(true);
    enterMode();
    checkButton_->setFocus();
    if (!abandoned())
        errorList_.afterCheck(verdict, store_->fileName());
}

// --- The error list ---------------------------------------------------------

void frmKontrola::showErrorList()
{
    if (busy_ || !reviewMode())
        return;
    errorList_.show(store_->fileName());
}

void frmKontrola::showFindingsOf(int record)
{
    if (busy_ || !reviewMode())
        return;
    raise();
    activateWindow();
    if (record < 1 || record > store_->rsCustomers.RecordCount()) {
        notFound();
        return;
    }
    moveTo(record);
    showCounters();
    const auto colours = findingColours(store_->rsCustomers.record(record - 1),
                                        currentTwoDigitYear(services().clock));
    for (int i = 0; i < kFieldCount; ++i) {
        paintBox(form_->boxes()[i], colours[i]);
        findingsShown_ = findingsShown_ || colours[i] != BoxColour::Silver;
    }
}

void frmKontrola::clearFindings()
{
    if (!findingsShown_)
        return;
    findingsShown_ = false;
    for (QLineEdit* box : form_->boxes())
        paintBox(box, BoxColour::Silver);
}

// --- Printing -----------------------------------------------------------------

void frmKontrola::printRecapitulation() { print(PrintedDocument::Recapitulation, PrintTarget::Preview); }
void frmKontrola::printErrorList() { print(PrintedDocument::ErrorList, PrintTarget::Preview); }
void frmKontrola::printRecord() { print(PrintedDocument::Record, PrintTarget::Preview); }
void frmKontrola::recapitulationToPdf() { print(PrintedDocument::Recapitulation, PrintTarget::Pdf); }
void frmKontrola::errorListToPdf() { print(PrintedDocument::ErrorList, PrintTarget::Pdf); }
void frmKontrola::recordToPdf() { print(PrintedDocument::Record, PrintTarget::Pdf); }

// Nothing to print without records; the record only in review mode, where
// the boxes show one.
void frmKontrola::enablePrinting()
{
    const bool records = store_->rsCustomers.RecordCount() > 0;
    for (QAction* item : printMenu_->actions())
        item->setEnabled(records);
    for (const char* name : {"mnuPecatiPrijava", "mnuPrijavaPdf"})
        printMenu_->findChild<QAction*>(QLatin1String(name))->setEnabled(records && reviewMode());
    if (rekap_)
        rekap_->setPrintingEnabled(records);
}

void frmKontrola::print(PrintedDocument document, PrintTarget target)
{
    if (busy_ || store_->rsCustomers.RecordCount() == 0
        || (document == PrintedDocument::Record && !reviewMode()))
        return;
    // The recapitulation is signed and handed in with the file: it must be
    // the file's.
    if (document == PrintedDocument::Recapitulation
        && !checkWhatIsOnTheDisk(kSaveBeforeRecapitulationQuestion))
        return;
    busy_ = true;
    const PrintContext context{services(), store_->fileName()};
    switch (document) {
    case PrintedDocument::Recapitulation:
        deliverRecapitulation(context, target, store_->rsCustomers);
        break;
    case PrintedDocument::ErrorList: deliverErrorList(context, target); break;
    case PrintedDocument::Record: {
        std::array<QString, kFieldCount> values;
        for (int i = 0; i < kFieldCount; ++i)
            values[static_cast<std::size_t>(i)] = form_->boxes()[i]->text();
        deliverRecord(context, target, values, recordPosition_, recordTotal_);
        break;
    }
    }
    busy_ = false;
}

} // namespace dorvik
