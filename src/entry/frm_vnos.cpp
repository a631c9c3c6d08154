#include "entry/frm_vnos.h"

#include "check/entry_rules.h"
#include "entry/digit_key_filter.h"
#include "entry/focus_step.h"
#include "platform/code_page.h"
#include "shell/box_validator.h"
#include "shell/form_widgets.h"
#include "shell/module1.h"
#include "shell/report_form.h"
#include "shell/screen_messages.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace dorvik {

namespace {

QPushButton* commandButton(const char* name, const char* caption, QStyle::StandardPixmap picture,
                           const char* tooltip, QWidget* parent)
{
    auto* button = new QPushButton(parent->style()->standardIcon(picture),
                                   QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    if (tooltip)
        button->setToolTip(QString::fromLatin1(tooltip));
    // Enter on a focused button presses it, as Space does.
    button->setAutoDefault(true);
    return button;
}

} // namespace

frmVnos::frmVnos(AppServices platform, const ReportFile& file, QWidget* parent)
    : Screen(platform, file, parent), focus_(new FocusStepper(this))
{
    setObjectName(QStringLiteral("frmVnos"));
    setCaption(QStringLiteral("Vnos na novi prijavi..."));

    form_ = new ReportForm(ReportForm::Kind::Entry, this);
    auto* digitFilter = new DigitKeyFilter(this);
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = fieldAt(i);
        QLineEdit* b = box(f);
        // Nothing longer than the field, nor outside the file's code page,
        // nor a control character, can get into a box, typed or pasted.
        b->setMaxLength(fieldWidth(f));
        new BoxValidator(b);
        if (isDigitField(f))
            b->installEventFilter(digitFilter);
        focus_->watch(b);
        connect(b, &QLineEdit::textChanged, this, [this, f] { onBoxChanged(f); });
        connect(b, &QLineEdit::textEdited, this, &frmVnos::clearStatus);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form_, 0, Qt::AlignHCenter);
    buildBottomRow(layout);
    setTabOrder();
}

frmVnos::~frmVnos()
{
    // The binding listens to the store: it goes first.
    binding_.reset();
}

bool frmVnos::openReports()
{
    // The store loads the file (telling about bad lines), the counters start
    // at the store's count and position 1, then a new report as "vnesi".
    store_ = std::make_unique<CustomerDataSource>(
        CustomerDataSource::Options{reportFile().path, reportFile().isNew}, services().files,
        services().boxes);
    // New reports are appended by rewriting the whole file: one that was
    // not read whole would lose what was not read.
    if (!store_->loadedCompletely()) {
        tell(services().boxes, kNoEntryIntoIncompleteFileMessage, Icon::Critical);
        return false;
    }
    recordTotal_ = static_cast<std::int16_t>(store_->rsCustomers.RecordCount());
    recordPosition_ = 1;
    showCounters();
    // A full file takes no new report: the screen shows what it holds.
    if (!startNewReport())
        preview();
    return true;
}

QLineEdit* frmVnos::box(Field field) const
{
    return form_->box(field);
}

void frmVnos::buildBottomRow(QBoxLayout* layout)
{
    recordsBox_ = counterBox("txtRecordsV", "Vkupno prijavi", this);
    positionBox_ = counterBox("txtPozicijaV", "Tekovna pozicija", this);
    firstButton_ = commandButton("cmdFirstV", "Po~etok", QStyle::SP_MediaSkipBackward,
                               "Skok na prvata prijava", this);
    previousButton_ = commandButton("cmdPrevV", "Nazad", QStyle::SP_MediaSeekBackward,
                              "Vrakjanje za edno mesto nanazat", this);
    nextButton_ = commandButton("cmdNextV", "Napred", QStyle::SP_MediaSeekForward,
                              "Edno mesto napred", this);
    lastButton_ = commandButton("cmdLastV", "Kraj", QStyle::SP_MediaSkipForward,
                              "Skok na poslednata prijava", this);
    newReportButton_ =
        commandButton("cmdNovaPrijava", "vnesi", QStyle::SP_FileIcon, nullptr, this);
    saveButton_ = commandButton("cmdSnimi", "snimi", QStyle::SP_DialogSaveButton, nullptr, this);
    previewButton_ =
        commandButton("cmdPregled", "pregled", QStyle::SP_FileDialogContentsView, nullptr, this);
    for (QWidget* w : {firstButton_, previousButton_, nextButton_, lastButton_})
        keepPlaceWhenHidden(w);

    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(counterWithCaption(recordsBox_, "Vk. prijavi:", this));
    row->addSpacing(4);
    row->addWidget(firstButton_);
    row->addWidget(previousButton_);
    row->addWidget(counterWithCaption(positionBox_, "Pozicija:", this));
    row->addWidget(nextButton_);
    row->addWidget(lastButton_);
    row->addStretch(1);
    row->addWidget(newReportButton_);
    row->addWidget(saveButton_);
    row->addWidget(previewButton_);
    layout->addLayout(row);

    connect(newReportButton_, &QPushButton::clicked, this, &frmVnos::newReport);
    connect(saveButton_, &QPushButton::clicked, this, &frmVnos::save);
    connect(previewButton_, &QPushButton::clicked, this, &frmVnos::preview);
    connect(firstButton_, &QPushButton::clicked, this, &frmVnos::first);
    connect(previousButton_, &QPushButton::clicked, this, &frmVnos::previous);
    connect(nextButton_, &QPushButton::clicked, this, &frmVnos::next);
    connect(lastButton_, &QPushButton::clicked, this, &frmVnos::last);
}

void frmVnos::setTabOrder()
{
    QWidget* previous = nullptr;
    auto chain = [&](QWidget* w) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    };
    for (Field f : kTypingOrder)
        chain(box(f));
    for (QWidget* w : {static_cast<QWidget*>(saveButton_), static_cast<QWidget*>(newReportButton_),
                       static_cast<QWidget*>(previewButton_), static_cast<QWidget*>(firstButton_),
                       static_cast<QWidget*>(previousButton_), static_cast<QWidget*>(nextButton_),
                       static_cast<QWidget*>(lastButton_)})
        chain(w);
}

void frmVnos::setPreviewing(bool previewing)
{
    previewing_ = previewing;
    // The preview shows the file as it is: nothing can be typed there, and
    // saving would append a copy of the report shown.
    for (QLineEdit* b : form_->boxes())
        b->setReadOnly(previewing);
    saveButton_->setEnabled(!previewing);
    for (QPushButton* b : {nextButton_, previousButton_, firstButton_, lastButton_})
        b->setVisible(previewing);
}

void frmVnos::showCounters()
{
    recordsBox_->setText(QString::number(recordTotal_));
    positionBox_->setText(QString::number(recordPosition_));
}

void frmVnos::newReport()
{
    if (typedWorkSettled(false))
        startNewReport();
}

bool frmVnos::typedWorkSettled(bool closing)
{
    return !typedWork() || mayLeaveNewReport(closing, [this] { return save(); });
}

bool frmVnos::typedWork() const
{
    if (previewing_)
        return false;
    for (int i = 0; i < kFieldCount; ++i)
        if (form_->boxes()[i]->text() != started_[i])
            return true;
    return false;
}

bool frmVnos::mayClose()
{
    return typedWorkSettled(true);
}

bool frmVnos::startNewReport()
{
    Recordset& rs = store_->rsCustomers;
    if (rs.RecordCount() >= kMaxRecords) {
        tell(services().boxes, kStoreFullMessage, Icon::Exclamation);
        return false;
    }
    binding_.reset();
    setPreviewing(false);
    filling_ = true;
    // From empty boxes every fill below is a change, so each auto-fill value
    // meets its check, also where a previewed report showed the same text.
    for (QLineEdit* b : form_->boxes())
        b->clear();

    if (!Module1::AutoRegistarskiBroj.empty())
        for (Field f : {Field::RegistarskiBroj, Field::Godina, Field::Firma})
            box(f)->setFocusPolicy(Qt::ClickFocus);
    if (!Module1::AutoEfektStaz.empty())
        for (Field f : {Field::EfektStaz, Field::StepenZgolem, Field::SifraStaz})
            box(f)->setFocusPolicy(Qt::ClickFocus);

    box(Field::RegistarskiBroj)->setText(bytesToText(Module1::AutoRegistarskiBroj));
    box(Field::Godina)->setText(bytesToText(Module1::AutoGodina));
    box(Field::Firma)->setText(bytesToText(Module1::AutoFirma));
    box(Field::EfektStaz)->setText(bytesToText(Module1::AutoEfektStaz));
    box(Field::StepenZgolem)->setText(bytesToText(Module1::AutoStepenZgolem));
    box(Field::SifraStaz)->setText(bytesToText(Module1::AutoEfektStaz));
    filling_ = false;

    // What the new report starts with, once the auto-fill values have met
    // their checks: anything else in the boxes is the user's.
    for (int i = 0; i < kFieldCount; ++i)
        started_[i] = form_->boxes()[i]->text();

    recordTotal_ = static_cast<std::int16_t>(rs.RecordCount() + 1);
    recordPosition_ = recordTotal_;
    showCounters();
    focus_->queueFocus(box(Field::LicenBroj));
    return true;
}

bool frmVnos::save()
{
    if (previewing_)
        return false;
    Recordset& rs = store_->rsCustomers;
    ReportTexts texts;
    for (int i = 0; i < kFieldCount; ++i)
        texts[i] = textToBytes(box(fieldAt(i))->text());

    auto refuse = [&](const char* message, QWidget* focus) {
        if (message)
            tell(services().boxes, message, Icon::Exclamation);
        recordTotal_ = static_cast<std::int16_t>(rs.RecordCount());
        recordPosition_ = recordTotal_;
        showCounters();
        // The boxes keep what was typed, so the report can be completed.
        focus_->queueFocus(focus);
    };
    if (const auto incomplete = firstIncompleteField(texts)) {
        refuse(kIncompleteReportMessage, box(*incomplete));
        return false;
    }
    // The screen only ever appends: when another window or program wrote
    // the file since it was read, the report goes after what is there now.
    const bool readAnew = store_->changedOnDisk();
    if (readAnew && !store_->reload()) {
        clearStatus();
        tell(services().boxes, kIncompleteSaveMessage, Icon::Critical);
        refuse(nullptr, saveButton_);
        return false;
    }
    if (!rs.AddNew()) {
        refuse(kStoreFullMessage, previewButton_);
        return false;
    }
    for (int i = 0; i < kFieldCount; ++i)
        rs.setField(fieldAt(i), *texts[i]);
    if (!store_->WriteToFile()) {
        // Refused, declined or failed (the store said why): the report
        // leaves the store again, so that the store is the file, and stays
        // on the screen as it was for the next "snimi".
        rs.CancelUpdate();
        clearStatus();
        return false;
    }
    reportSave(*store_, readAnew ? kAppendedToChangedFileNote : "");

    recordTotal_ = static_cast<std::int16_t>(rs.RecordCount());
    recordPosition_ = recordTotal_;
    showCounters();
    for (Field f : kTypingOrder)
        box(f)->clear();
    started_ = {};
    focus_->queueFocus(newReportButton_);
    return true;
}

void frmVnos::preview()
{
    if (!typedWorkSettled(false))
        return;
    Recordset& rs = store_->rsCustomers;
    binding_.reset();
    setPreviewing(true);
    // The report being typed is dropped; the preview starts on the last
    // stored report, and the position names the report shown.
    rs.MoveLast();
    binding_ = std::make_unique<RecordBinding>(rs, form_->boxes());
    recordTotal_ = static_cast<std::int16_t>(rs.RecordCount());
    recordPosition_ = recordTotal_;
    showCounters();
}

void frmVnos::first()
{
    if (store_->rsCustomers.MoveFirst())
        recordPosition_ = 1;
    showCounters();
}

void frmVnos::last()
{
    if (store_->rsCustomers.MoveLast())
        recordPosition_ = recordTotal_;
    showCounters();
}

void frmVnos::next()
{
    if (recordPosition_ + 1 > recordTotal_) {
        tell(services().boxes, kLastRecordMessage);
        recordPosition_ = recordTotal_;
    } else if (store_->rsCustomers.MoveNext()) {
        ++recordPosition_;
    }
    showCounters();
}

void frmVnos::previous()
{
    if (recordPosition_ - 1 < 1) {
        tell(services().boxes, kFirstRecordMessage);
        recordPosition_ = std::min<std::int16_t>(1, recordTotal_);
    } else if (store_->rsCustomers.MovePrevious()) {
        --recordPosition_;
    }
    showCounters();
}

std::string frmVnos::fieldText(Field field)
{
    // The validator keeps every box within the code page.
    return textToBytes(box(field)->text()).value_or(std::string());
}

void frmVnos::setColour(Field field, BoxColour colour)
{
    paintBox(box(field), colour);
}

} // namespace dorvik
