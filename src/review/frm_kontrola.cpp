#include "review/frm_kontrola.h"

#include "data/customer_data_source.h"
#include "review/frm_rekapitular.h"
#include "review/record_search.h"
#include "shell/box_validator.h"
#include "shell/form_widgets.h"
#include "shell/record_binding.h"
#include "shell/report_form.h"
#include "shell/screen_messages.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace dorvik {

namespace {

constexpr int kBandHeight = 92;
constexpr int kProgressHeight = 14;

} // namespace

frmKontrola::frmKontrola(AppServices platform, const ReportFile& file, QWidget* parent)
    : Screen(platform, file, parent),
      errorList_(*this, services(), [this](int record) { showFindingsOf(record); })
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
    mode_ = Mode::Review;
}

void frmKontrola::unbind()
{
    binding_.reset();
    mode_ = Mode::NewReport;
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
    errorList_.setEnabled(review);
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

} // namespace dorvik
