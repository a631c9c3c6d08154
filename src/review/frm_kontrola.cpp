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

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("prgView"));
    progress_->setTextVisible(false);
    progress_->setFixedSize(form_->width(), kProgressHeight);
    // The band stays where it is while the bar comes and goes.
    keepPlaceWhenHidden(progress_);
    layout->addWidget(progress_);

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
    progress_->hide();
    store_ = std::make_unique<CustomerDataSource>(
        CustomerDataSource::Options{file.path, file.isNew},
        services().files, services().boxes);
    bind();
    // The findings shown on a record go when another record is shown.
    store_->rsCustomers.addCursorListener([this] { clearFindings(); });
    recordTotal_ = static_cast<std::int16_t>(store_->rsCustomers.RecordCount());
    recordPosition_ = recordTotal_ > 0 ? 1 : 0;
    enterMode();
    showCounters();
    nextButton_->setFocus();
}

frmKontrola::~frmKontrola() = default;

void frmKontrola::buildMenu(QMenuBar* bar)
{
    searchMenu_ = bar->addMenu(QStringLiteral("&PREBARUVANJE"));
    searchMenu_->setObjectName(QStringLiteral("mnuPREBARUVANJE"));
    auto item = [this](const char* name, const char* caption, QKeySequence keys,
                       void (frmKontrola::*command)()) {
        QAction* action = searchMenu_->addAction(QLatin1String(caption), this, command);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
    };
    item("mnuPoLicenBr", "Po L&icen broj", QKeySequence(Qt::CTRL | Qt::Key_L),
         &frmKontrola::searchByPersonalNumber);
    item("mnuPoMaticenBr", "Po M&acen broj", QKeySequence(Qt::CTRL | Qt::Key_M),
         &frmKontrola::searchByMasterNumber);
    item("mnuPoRedenBroj", "Po R&eden broj", QKeySequence(Qt::CTRL | Qt::Key_R),
         &frmKontrola::searchByPosition);

    errorsMenu_ = bar->addMenu(QStringLiteral("&GRESKI"));
    errorsMenu_->setObjectName(QStringLiteral("mnuGRESKI"));
    QAction* list = errorsMenu_->addAction(QStringLiteral("&Lista na greski..."), this,
                                         &frmKontrola::showErrorList);
    list->setObjectName(QStringLiteral("mnuListaNaGreski"));
    list->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    buildPrintMenu(bar);
}

void frmKontrola::buildPrintMenu(QMenuBar* bar)
{
    printMenu_ = bar->addMenu(QStringLiteral("P&ecatenje"));
    printMenu_->setObjectName(QStringLiteral("mnuPecatenje"));
    auto item = [this](const char* name, const char* caption, void (frmKontrola::*command)()) {
        printMenu_->addAction(QLatin1String(caption), this, command)
            ->setObjectName(QLatin1String(name));
    };
    item("mnuPecatiRekapitulacija", "&Rekapitulacija...", &frmKontrola::printRecapitulation);
    item("mnuPecatiListaNaGreski", "&Lista na greski...", &frmKontrola::printErrorList);
    item("mnuPecatiPrijava", "Prijavata na &ekranot...", &frmKontrola::printRecord);
    printMenu_->addSeparator();
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

    recordsBox_ = counterBox("txtRecords", "Vkupno prijavi", band);
    row->addWidget(counterWithCaption(recordsBox_, "Vk. prijavi:", band));
    firstButton_ = button("cmdFirst", "Po~etok", "Skok na prvata prijava", yellow,
                      QStyle::SP_MediaSkipBackward, &frmKontrola::first);
    previousButton_ = button("cmdPrev", "Nazad", "Vrakjanje za edno mesto nanazat", yellow,
                     QStyle::SP_ArrowLeft, &frmKontrola::previous);
    positionBox_ = counterBox("txtPozicija", "Tekovna pozicija", band);
    row->addWidget(counterWithCaption(positionBox_, "Pozicija:", band));
    nextButton_ = button("cmdNext", "Napred", "Edno mesto napred", yellow, QStyle::SP_ArrowRight,
                     &frmKontrola::next);
    lastButton_ = button("cmdLast", "Kraj", "Skok na poslednata prijava", yellow,
                     QStyle::SP_MediaSkipForward, &frmKontrola::last);
    newReportButton_ = button("cmdAddNew", "Nova Prijava", nullptr, lightRed, std::nullopt,
                       &frmKontrola::addNew);
    saveButton_ = button("cmdRec", "Snimi", nullptr, lightRed, std::nullopt, &frmKontrola::save);
    previewButton_ = button("cmdPreview", "Pregled", nullptr, lightRed, std::nullopt,
                        &frmKontrola::preview);
    recapButton_ = button("cmdRekap", "Rekap", nullptr, nullptr, QStyle::SP_FileDialogContentsView,
                      &frmKontrola::recapitulate);
    checkButton_ = button("cmdKontrola", "Kontrola", "Kontrola na podatocite", lightBlue,
                         QStyle::SP_DialogApplyButton, &frmKontrola::check);
}

void frmKontrola::setTabOrder()
{
    auto box = [this](Field f) -> QWidget* { return form_->box(f); };
    const QWidget* const order[] = {
        nextButton_, box(Field::Godina), box(Field::RegistarskiBroj), box(Field::ImePrezime),
        box(Field::Firma), previousButton_, lastButton_, firstButton_, checkButton_, box(Field::LicenBroj),
        box(Field::MaticenBroj), box(Field::PeriodOd), box(Field::PeriodDo), box(Field::Mesec),
        box(Field::Boleduvanje), box(Field::Denari), box(Field::VkRabCasovi),
        box(Field::EfektStaz), box(Field::StepenZgolem), box(Field::SifraStaz), recapButton_,
        newReportButton_, saveButton_, previewButton_};
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
    for (QToolButton* b : {firstButton_, previousButton_, nextButton_, lastButton_})
        b->setVisible(review);
    checkButton_->setEnabled(review);
    for (QMenu* menu : {searchMenu_, errorsMenu_})
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
    recordsBox_->setText(QString::number(recordTotal_));
    positionBox_->setText(QString::number(recordPosition_));
}

void frmKontrola::moveTo(int position)
{
    store_->rsCustomers.MoveTo(position - 1);
    recordPosition_ = static_cast<std::int16_t>(position);
}

// --- Paging -----------------------------------------------------------------

void frmKontrola::first()
{
    if (busy_ || !reviewMode() || recordTotal_ == 0)
        return;
    moveTo(1);
    showCounters();
}

void frmKontrola::last()
{
    if (busy_ || !reviewMode() || recordTotal_ == 0)
        return;
    moveTo(recordTotal_);
    showCounters();
}

void frmKontrola::previous()
{
    if (busy_ || !reviewMode())
        return;
    if (recordPosition_ - 1 < 1)
        tell(services().boxes, kFirstRecordMessage);
    else
        moveTo(recordPosition_ - 1);
    showCounters();
}

void frmKontrola::next()
{
    if (busy_ || !reviewMode())
        return;
    if (recordPosition_ + 1 > recordTotal_)
        tell(services().boxes, kLastRecordMessage);
    else
        moveTo(recordPosition_ + 1);
    showCounters();
}

// --- Search -----------------------------------------------------------------

std::string frmKontrola::askSearch(const char* prompt)
{
    InputRequest request;
    request.title = "Prebaruvanje";
    request.prompt = prompt;
    request.defaultText = lastSearchText_.toStdString();
    const std::string answer = services().boxes.input(request);
    lastSearchText_ = QString::fromStdString(answer);
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
    const auto found = findByField(store_->rsCustomers, field, lastSearchText_);
    if (found) {
        moveTo(*found + 1);
    } else if (recordTotal_ > 0) {
        moveTo(recordTotal_);
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
    const auto found = findByNumber(store_->rsCustomers, lastSearchText_);
    if (!found) {
        notFound();
        return;
    }
    moveTo(*found + 1);
    showCounters();
}

} // namespace dorvik
