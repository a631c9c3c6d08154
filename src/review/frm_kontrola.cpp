#include "review/frm_kontrola.h"

#include "check/check_run.h"
#include "check/error_list.h"
#include "check/record_findings.h"
#include "data/customer_data_source.h"
#include "platform/code_page.h"
#include "review/error_list_window.h"
#include "review/frm_rekapitular.h"
#include "review/recapitulation.h"
#include "review/record_search.h"
#include "review/review_check_view.h"
#include "shell/box_validator.h"
#include "shell/form_widgets.h"
#include "shell/record_binding.h"
#include "shell/report_form.h"
#include "shell/screen_messages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace dorvik {

namespace {

constexpr int kBandHeight = 92;
constexpr int kProgressHeight = 14;

} // namespace

frmKontrola::frmKontrola(AppServices platform, const ReportFile& file, QWidget* parent)
    : Screen(platform, file, parent)
{
    setObjectName(QStringLiteral("frmKontrola"));
    setCaption(QStringLiteral("Pregled i kontrola na prijavi..."));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    menuBar_ = new QMenuBar(this);
    buildMenu(menuBar_);
    layout->setMenuBar(menuBar_);

    form_ = new ReportForm(ReportForm::Kind::Review, this);
    layout->addWidget(form_);

    prgView = new QProgressBar(this);
    prgView->setObjectName(QStringLiteral("prgView"));
    prgView->setTextVisible(false);
    prgView->setFixedSize(form_->width(), kProgressHeight);
    // The band stays where it is while the bar comes and goes.
    keepPlaceWhenHidden(prgView);
    layout->addWidget(prgView);

    auto* band = new QWidget(this);
    band->setObjectName(QStringLiteral("bandKontrola"));
    band->setFixedSize(form_->width(), kBandHeight);
    // A style sheet rather than the palette: palettes give way to any
    // style sheet of the application.
    band->setAttribute(Qt::WA_StyledBackground);
    band->setStyleSheet(QStringLiteral("#bandKontrola { background-color: rgb(0,0,128); }"
                                       "#bandKontrola QLabel { color: rgb(255,255,0); }"));
    buildBand(band);
    layout->addWidget(band);

    for (int i = 0; i < kFieldCount; ++i) {
        QLineEdit* box = form_->boxes()[i];
        new BoxValidator(box, fieldWidth(fieldAt(i)));
        // In review mode the binding keeps the edit in the store; a new
        // report lives in the boxes until it is saved.
        connect(box, &QLineEdit::textEdited, this, [this, box] {
            if (!reviewMode())
                newReportTyped_ = true;
            if (findingsShown_)
                paintBox(box, BoxColour::Silver);
            clearStatus();
        });
    }
    setTabOrder();

    // Opening: bar hidden, the store loads, the boxes show record 1.
    prgView->hide();
    store_ = std::make_unique<CustomerDataSource>(
        CustomerDataSource::Options{file.path, file.isNew},
        services().files, services().boxes);
    bind();
    // The findings shown on a record go when another record is shown.
    store_->rsCustomers.addCursorListener([this] { clearFindings(); });
    RecordTotal = static_cast<std::int16_t>(store_->rsCustomers.RecordCount());
    RecordPosition = RecordTotal > 0 ? 1 : 0;
    enterMode();
    showCounters();
    cmdNext->setFocus();
}

frmKontrola::~frmKontrola() = default;

void frmKontrola::buildMenu(QMenuBar* bar)
{
    mnuPREBARUVANJE = bar->addMenu(QStringLiteral("&PREBARUVANJE"));
    mnuPREBARUVANJE->setObjectName(QStringLiteral("mnuPREBARUVANJE"));
    auto item = [this](const char* name, const char* caption, QKeySequence keys,
                       void (frmKontrola::*command)()) {
        QAction* action = mnuPREBARUVANJE->addAction(QLatin1String(caption), this, command);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
    };
    item("mnuPoLicenBr", "Po L&icen broj", QKeySequence(Qt::CTRL | Qt::Key_L),
         &frmKontrola::searchByPersonalNumber);
    item("mnuPoMaticenBr", "Po M&acen broj", QKeySequence(Qt::CTRL | Qt::Key_M),
         &frmKontrola::searchByMasterNumber);
    item("mnuPoRedenBroj", "Po R&eden broj", QKeySequence(Qt::CTRL | Qt::Key_R),
         &frmKontrola::searchByPosition);

    mnuGRESKI = bar->addMenu(QStringLiteral("&GRESKI"));
    mnuGRESKI->setObjectName(QStringLiteral("mnuGRESKI"));
    QAction* list = mnuGRESKI->addAction(QStringLiteral("&Lista na greski..."), this,
                                         &frmKontrola::showErrorList);
    list->setObjectName(QStringLiteral("mnuListaNaGreski"));
    list->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    buildPrintMenu(bar);
}

void frmKontrola::buildPrintMenu(QMenuBar* bar)
{
    mnuPecatenje = bar->addMenu(QStringLiteral("P&ecatenje"));
    mnuPecatenje->setObjectName(QStringLiteral("mnuPecatenje"));
    auto item = [this](const char* name, const char* caption, void (frmKontrola::*command)()) {
        mnuPecatenje->addAction(QLatin1String(caption), this, command)
            ->setObjectName(QLatin1String(name));
    };
    item("mnuPecatiRekapitulacija", "&Rekapitulacija...", &frmKontrola::printRecapitulation);
    item("mnuPecatiListaNaGreski", "&Lista na greski...", &frmKontrola::printErrorList);
    item("mnuPecatiPrijava", "Prijavata na &ekranot...", &frmKontrola::printRecord);
    mnuPecatenje->addSeparator();
    item("mnuRekapitulacijaPdf", "Rekapitulacija vo &PDF...", &frmKontrola::recapitulationToPdf);
    item("mnuListaNaGreskiPdf", "Lista na greski vo P&DF...", &frmKontrola::errorListToPdf);
    item("mnuPrijavaPdf", "Prijavata vo PD&F...", &frmKontrola::recordToPdf);
}

void frmKontrola::buildBand(QWidget* band)
{
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(3, 0, 3, 0);
    row->setSpacing(2);

    auto button = [&](const char* name, const char* caption, const char* tooltip,
                      const char* colour, std::optional<QStyle::StandardPixmap> picture,
                      void (frmKontrola::*command)()) {
        auto* b = new BandButton(name, caption, tooltip, colour, band);
        if (picture)
            b->setPicture(style()->standardIcon(*picture));
        connect(b, &QToolButton::clicked, this, command);
        row->addWidget(b);
        return b;
    };
    const char* yellow = "rgb(255,255,0)";
    const char* lightRed = "rgb(255,128,128)";
    const char* lightBlue = "rgb(128,128,255)";

    txtRecords = counterBox("txtRecords", "Vkupno prijavi", band);
    row->addWidget(counterWithCaption(txtRecords, "Vk. prijavi:", band));
    cmdFirst = button("cmdFirst", "Po~etok", "Skok na prvata prijava", yellow,
                      QStyle::SP_MediaSkipBackward, &frmKontrola::first);
    cmdPrev = button("cmdPrev", "Nazad", "Vrakjanje za edno mesto nanazat", yellow,
                     QStyle::SP_ArrowLeft, &frmKontrola::previous);
    txtPozicija = counterBox("txtPozicija", "Tekovna pozicija", band);
    row->addWidget(counterWithCaption(txtPozicija, "Pozicija:", band));
    cmdNext = button("cmdNext", "Napred", "Edno mesto napred", yellow, QStyle::SP_ArrowRight,
                     &frmKontrola::next);
    cmdLast = button("cmdLast", "Kraj", "Skok na poslednata prijava", yellow,
                     QStyle::SP_MediaSkipForward, &frmKontrola::last);
    cmdAddNew = button("cmdAddNew", "Nova Prijava", nullptr, lightRed, std::nullopt,
                       &frmKontrola::addNew);
    cmdRec = button("cmdRec", "Snimi", nullptr, lightRed, std::nullopt, &frmKontrola::save);
    cmdPreview = button("cmdPreview", "Pregled", nullptr, lightRed, std::nullopt,
                        &frmKontrola::preview);
    cmdRekap = button("cmdRekap", "Rekap", nullptr, nullptr, QStyle::SP_FileDialogContentsView,
                      &frmKontrola::recapitulate);
    cmdKontrola = button("cmdKontrola", "Kontrola", "Kontrola na podatocite", lightBlue,
                         QStyle::SP_DialogApplyButton, &frmKontrola::check);
}

void frmKontrola::setTabOrder()
{
    auto box = [this](Field f) -> QWidget* { return form_->box(f); };
    const QWidget* const order[] = {
        cmdNext, box(Field::Godina), box(Field::RegistarskiBroj), box(Field::ImePrezime),
        box(Field::Firma), cmdPrev, cmdLast, cmdFirst, cmdKontrola, box(Field::LicenBroj),
        box(Field::MaticenBroj), box(Field::PeriodOd), box(Field::PeriodDo), box(Field::Mesec),
        box(Field::Boleduvanje), box(Field::Denari), box(Field::VkRabCasovi),
        box(Field::EfektStaz), box(Field::StepenZgolem), box(Field::SifraStaz), cmdRekap,
        cmdAddNew, cmdRec, cmdPreview};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
}

void frmKontrola::bind()
{
    binding_ = std::make_unique<RecordBinding>(store_->rsCustomers, form_->boxes());
}

// Shows what the mode allows: paging and the commands that walk the bound
// records only in review mode; boxes without a record to edit are read-only.
void frmKontrola::enterMode()
{
    const bool review = reviewMode();
    for (QToolButton* b : {cmdFirst, cmdPrev, cmdNext, cmdLast})
        b->setVisible(review);
    cmdKontrola->setEnabled(review);
    for (QMenu* menu : {mnuPREBARUVANJE, mnuGRESKI})
        for (QAction* item : menu->actions())
            item->setEnabled(review);
    if (errorList_)
        errorList_->table()->setEnabled(review);
    const bool editable = !review || store_->rsCustomers.hasCurrent();
    for (QLineEdit* box : form_->boxes())
        box->setReadOnly(!editable);
    enablePrinting();
}

void frmKontrola::showCounters()
{
    txtRecords->setText(QString::number(RecordTotal));
    txtPozicija->setText(QString::number(RecordPosition));
}

void frmKontrola::moveTo(int position)
{
    store_->rsCustomers.MoveTo(position - 1);
    RecordPosition = static_cast<std::int16_t>(position);
}

// --- Paging -----------------------------------------------------------------

void frmKontrola::first()
{
    if (busy_ || !reviewMode() || RecordTotal == 0)
        return;
    moveTo(1);
    showCounters();
}

void frmKontrola::last()
{
    if (busy_ || !reviewMode() || RecordTotal == 0)
        return;
    moveTo(RecordTotal);
    showCounters();
}

void frmKontrola::previous()
{
    if (busy_ || !reviewMode())
        return;
    if (RecordPosition - 1 < 1)
        tell(services().boxes, kFirstRecordMessage);
    else
        moveTo(RecordPosition - 1);
    showCounters();
}

void frmKontrola::next()
{
    if (busy_ || !reviewMode())
        return;
    if (RecordPosition + 1 > RecordTotal)
        tell(services().boxes, kLastRecordMessage);
    else
        moveTo(RecordPosition + 1);
    showCounters();
}

// --- Correcting, adding and saving ------------------------------------------

void frmKontrola::addNew()
{
    if (busy_)
        return;
    Recordset& records = store_->rsCustomers;
    if (records.RecordCount() >= kMaxRecords) {
        tell(services().boxes, kStoreFullMessage, Icon::Exclamation);
        return;
    }
    // A second "Nova Prijava" before "Snimi" starts another new report,
    // once the one typed is saved or given up.
    if (!newReportSettled())
        return;
    if (NewRecordPending == 0)
        positionBeforeNew_ = RecordPosition;
    binding_.reset();
    clearFindings();
    NewRecordPending = 1;
    newReportTyped_ = false;
    for (QLineEdit* box : form_->boxes())
        box->clear();
    RecordTotal = static_cast<std::int16_t>(records.RecordCount() + 1);
    RecordPosition = RecordTotal;
    enterMode();
    showCounters();
}

void frmKontrola::save()
{
    if (!busy_)
        saveNow();
}

bool frmKontrola::saveNow()
{
    Recordset& records = store_->rsCustomers;
    std::array<std::string, kFieldCount> values;
    for (int i = 0; i < kFieldCount; ++i)
        values[i] = textToBytes(form_->boxes()[i]->text()).value_or(std::string());

    if (NewRecordPending) {
        if (!records.AddNew()) {
            tell(services().boxes, kStoreFullMessage, Icon::Exclamation);
            return false;
        }
    } else if (!records.MoveTo(RecordPosition - 1)) {
        return true; // no record to overwrite (an empty file)
    }
    for (int i = 0; i < kFieldCount; ++i)
        records.setField(fieldAt(i), values[i]);
    // The rewrite leaves the store after its last record; the boxes keep
    // showing the saved record meanwhile, also beside a failure message.
    if (binding_)
        binding_->setDeferred(true);
    const bool saved = store_->WriteToFile();
    if (saved) {
        NewRecordPending = 0;
        newReportTyped_ = false;
        reportSave(*store_);
    } else {
        // A new report not written stays a new report, on the screen only,
        // for the next "Snimi".
        records.CancelUpdate();
        clearStatus();
    }
    records.MoveTo(RecordPosition - 1);
    if (binding_)
        binding_->setDeferred(false);
    enterMode();
    return saved;
}

bool frmKontrola::newReportSettled()
{
    return !newReportTyped_ || mayLeaveNewReport(false, [this] { return saveNow(); });
}

void frmKontrola::preview()
{
    if (busy_ || reviewMode())
        return;
    if (!newReportSettled())
        return;
    newReportTyped_ = false;
    if (NewRecordPending) {
        // Abandoned: nothing was appended, so the counters go back as they were.
        NewRecordPending = 0;
        RecordTotal = static_cast<std::int16_t>(store_->rsCustomers.RecordCount());
        RecordPosition = positionBeforeNew_;
    }
    store_->rsCustomers.MoveTo(RecordPosition - 1);
    bind();
    enterMode();
    showCounters();
}

// --- Search -----------------------------------------------------------------

std::string frmKontrola::askSearch(const char* prompt)
{
    InputRequest request;
    request.title = "Prebaruvanje";
    request.prompt = prompt;
    request.defaultText = LastSearchText.toStdString();
    const std::string answer = services().boxes.input(request);
    LastSearchText = QString::fromStdString(answer);
    return answer;
}

void frmKontrola::notFound()
{
    tell(services().boxes, kNotFoundMessage);
}

void frmKontrola::searchByField(Field field, const char* prompt)
{
    if (busy_ || !reviewMode())
        return;
    askSearch(prompt);
    store_->rsCustomers.Update();
    const auto found = findByField(store_->rsCustomers, field, LastSearchText);
    if (found) {
        moveTo(*found + 1);
    } else if (RecordTotal > 0) {
        moveTo(RecordTotal);
    }
    showCounters();
    if (!found)
        notFound();
}

void frmKontrola::searchByPersonalNumber()
{
    searchByField(Field::LicenBroj, "Vnesi Licen broj za prebaruvanje so 10 num cifri");
}

void frmKontrola::searchByMasterNumber()
{
    searchByField(Field::MaticenBroj, "Vnesi Maticen broj za prebaruvanje so 13 num cifri");
}

void frmKontrola::searchByPosition()
{
    if (busy_ || !reviewMode())
        return;
    askSearch("Vnesi Reden  broj na slogot");
    const auto found = findByNumber(store_->rsCustomers, LastSearchText);
    if (!found) {
        notFound();
        return;
    }
    moveTo(*found + 1);
    showCounters();
}

// --- Recapitulation ---------------------------------------------------------

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
    prgView->setMaximum(std::max(count, 1));
    prgView->setValue(0);
    prgView->show();
    for (int i = 0; i < count; ++i) {
        recap.add(i + 1, records.record(i));
        if (sinceShown.elapsed() >= kRepaintIntervalMs) {
            prgView->setValue(i + 1);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sinceShown.restart();
        }
    }
    prgView->setValue(count);
    prgView->hide();
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
    const std::int16_t before = RecordPosition;

    binding_->setDeferred(true);
    ReviewCheckView view(store_->rsCustomers, *binding_, form_->boxes(), *txtPozicija, *prgView,
                         RecordPosition, [this] { return abandoned(); });
    RunBoxes boxes(services().boxes, view);
    const CheckRunResult result =
        runCheck(*store_, view, boxes, services().files, services().clock);
    binding_->setDeferred(false);
    prgView->hide();

    // A finished run stands on the last record; one that never walked, or
    // stopped short, stands where it was.
    if ((result.verdict == CheckVerdict::Passed || result.verdict == CheckVerdict::Failed)
        && RecordTotal > 0)
        moveTo(RecordTotal);
    else
        moveTo(before);
    if (RecordTotal == 0)
        RecordPosition = 0;
    showCounters();

    // Clicks and keys that waited during the walk are spent while the screen
    // still refuses them.
    QCoreApplication::processEvents();
    busy_ = false;
    menuBar_->setEnabled(true);
    enterMode();
    cmdKontrola->setFocus();
    if (abandoned())
        return;
    // The failed file's findings beside the screen; an open list is read anew.
    if (result.verdict == CheckVerdict::Failed || (errorList_ && errorList_->isVisible()))
        if (loadErrorList() && result.verdict == CheckVerdict::Failed)
            presentErrorList();
}

bool frmKontrola::checkWhatIsOnTheDisk(const char* question)
{
    if (store_->hasUnsavedChanges()) {
        MessageRequest ask;
        ask.text = question;
        ask.buttons = Buttons::YesNo;
        ask.defaultButton = Answer::Yes;
        return services().boxes.message(ask) == Answer::Yes && saveNow();
    }
    // A new report waiting in the boxes keeps the counters as they are.
    if (reviewMode() && store_->changedOnDisk()) {
        // Another window or program wrote the file; with nothing here to
        // lose, the screen takes the file as it is now.
        store_->reload();
        RecordTotal = static_cast<std::int16_t>(store_->rsCustomers.RecordCount());
        moveTo(std::clamp<int>(RecordPosition, RecordTotal > 0 ? 1 : 0, RecordTotal));
        showCounters();
        enterMode();
    }
    return true;
}

// --- The error list ---------------------------------------------------------

bool frmKontrola::loadErrorList()
{
    const std::string path = errorListName(store_->fileName()).path;
    std::optional<ReadResult> read = readErrorList(services().files, services().boxes, path);
    if (!read)
        return false;
    if (!errorList_) {
        errorList_ = new ErrorListWindow(this);
        connect(errorList_, &ErrorListWindow::recordChosen, this, &frmKontrola::showFindingsOf);
        // Beside the screen, where there is room.
        errorList_->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    errorList_->showList(path, read->status.modified, std::move(read->bytes));
    return true;
}

void frmKontrola::presentErrorList()
{
    errorList_->show();
    errorList_->raise();
    errorList_->activateWindow();
}

void frmKontrola::showErrorList()
{
    if (busy_ || !reviewMode())
        return;
    if (loadErrorList())
        presentErrorList();
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
    for (QAction* item : mnuPecatenje->actions())
        item->setEnabled(records);
    for (const char* name : {"mnuPecatiPrijava", "mnuPrijavaPdf"})
        mnuPecatenje->findChild<QAction*>(QLatin1String(name))->setEnabled(records && reviewMode());
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
        deliverRecord(context, target, values, RecordPosition, RecordTotal);
        break;
    }
    }
    busy_ = false;
}

bool frmKontrola::mayClose()
{
    if (busy_)
        return false;
    if (!store_->hasUnsavedChanges() && !newReportTyped_)
        return true;
    MessageRequest question;
    question.text = unsavedChangesQuestion(reportFile().path);
    question.icon = Icon::Exclamation;
    question.buttons = Buttons::YesNoCancel;
    question.defaultButton = Answer::Yes;
    switch (services().boxes.message(question)) {
    case Answer::Yes:
        return saveNow();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

} // namespace dorvik
