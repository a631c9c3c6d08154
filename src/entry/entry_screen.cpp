#include "entry/entry_screen.h"

#include "entry/code_page_validator.h"
#include "entry/digit_key_filter.h"
#include "entry/entry_rules.h"
#include "entry/focus_step.h"
#include "platform/code_page.h"
#include "shell/module1.h"
#include "shell/report_form.h"

#include <QHBoxLayout>
#include <QLabel>
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

QLineEdit* counterBox(const char* name, const char* tooltip, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(QString::fromLatin1(tooltip));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setFont(formFont());
    box->setAlignment(Qt::AlignCenter);
    box->setFixedWidth(56);
    box->setStyleSheet(QStringLiteral("QLineEdit { background-color: #000080; color: #FFFF00; }"));
    return box;
}

// Keeps a hidden button's place, so the counters do not jump between modes.
void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

FrmVnos::FrmVnos(AppServices services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      // The file chosen for this screen, whatever is chosen later.
      fileName_(Module1::ReportFileName),
      newFile_(Module1::NewReportFile == 1)
{
    setObjectName(QStringLiteral("frmVnos"));
    setWindowTitle(QStringLiteral("Vnos na novi prijavi..."));

    form_ = new ReportForm(ReportForm::Kind::Entry, this);
    auto* digitFilter = new DigitKeyFilter(this);
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = fieldAt(i);
        QLineEdit* b = box(f);
        // Nothing longer than the field, nor outside the file's code page,
        // can get into a box, typed or pasted.
        b->setMaxLength(fieldWidth(f));
        b->setValidator(new CodePageValidator(b));
        if (isDigitField(f))
            b->installEventFilter(digitFilter);
        connect(b, &QLineEdit::textChanged, this, [this, f] { onBoxChanged(f); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form_, 0, Qt::AlignHCenter);
    buildBottomRow(layout);
    setTabOrder();
}

FrmVnos::~FrmVnos()
{
    // The binding listens to the store: it goes first.
    binding_.reset();
}

void FrmVnos::openReports()
{
    // The store loads the file (telling about bad lines), the counters start
    // at the store's count and position 1, then "vnesi".
    store_ = std::make_unique<CustomerDataSource>(
        CustomerDataSource::Options{fileName_, newFile_}, services_.files, services_.boxes);
    RecordTotal = static_cast<std::int16_t>(store_->rsCustomers.RecordCount());
    RecordPosition = 1;
    showCounters();
    // A full file takes no new report: the screen shows what it holds.
    if (!startNewReport())
        pregled();
}

QLineEdit* FrmVnos::box(Field field) const
{
    return form_->box(field);
}

void FrmVnos::buildBottomRow(QBoxLayout* layout)
{
    txtRecordsV_ = counterBox("txtRecordsV", "Vkupno prijavi", this);
    txtPozicijaV_ = counterBox("txtPozicijaV", "Tekovna pozicija", this);
    cmdFirstV_ = commandButton("cmdFirstV", "Po~etok", QStyle::SP_MediaSkipBackward,
                               "Skok na prvata prijava", this);
    cmdPrevV_ = commandButton("cmdPrevV", "Nazad", QStyle::SP_MediaSeekBackward,
                              "Vrakjanje za edno mesto nanazat", this);
    cmdNextV_ = commandButton("cmdNextV", "Napred", QStyle::SP_MediaSeekForward,
                              "Edno mesto napred", this);
    cmdLastV_ = commandButton("cmdLastV", "Kraj", QStyle::SP_MediaSkipForward,
                              "Skok na poslednata prijava", this);
    cmdNovaPrijava_ =
        commandButton("cmdNovaPrijava", "vnesi", QStyle::SP_FileIcon, nullptr, this);
    cmdSnimi_ = commandButton("cmdSnimi", "snimi", QStyle::SP_DialogSaveButton, nullptr, this);
    cmdPregled_ =
        commandButton("cmdPregled", "pregled", QStyle::SP_FileDialogContentsView, nullptr, this);
    for (QWidget* w : {cmdFirstV_, cmdPrevV_, cmdNextV_, cmdLastV_})
        keepPlaceWhenHidden(w);

    // Each counter carries its label under it, as on the printed form's
    // band, so that the whole row fits under the form.
    auto counter = [this](QLineEdit* box, const char* caption) {
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        label->setBuddy(box);
        QFont small = formFont();
        small.setPointSizeF(7.5);
        label->setFont(small);
        label->setAlignment(Qt::AlignCenter);
        auto* column = new QVBoxLayout;
        column->setSpacing(0);
        column->addWidget(box, 0, Qt::AlignHCenter);
        column->addWidget(label);
        return column;
    };

    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addLayout(counter(txtRecordsV_, "Vk. prijavi:"));
    row->addSpacing(4);
    row->addWidget(cmdFirstV_);
    row->addWidget(cmdPrevV_);
    row->addLayout(counter(txtPozicijaV_, "Pozicija:"));
    row->addWidget(cmdNextV_);
    row->addWidget(cmdLastV_);
    row->addStretch(1);
    row->addWidget(cmdNovaPrijava_);
    row->addWidget(cmdSnimi_);
    row->addWidget(cmdPregled_);
    layout->addLayout(row);

    connect(cmdNovaPrijava_, &QPushButton::clicked, this, &FrmVnos::vnesi);
    connect(cmdSnimi_, &QPushButton::clicked, this, &FrmVnos::snimi);
    connect(cmdPregled_, &QPushButton::clicked, this, &FrmVnos::pregled);
    connect(cmdFirstV_, &QPushButton::clicked, this, &FrmVnos::first);
    connect(cmdPrevV_, &QPushButton::clicked, this, &FrmVnos::previous);
    connect(cmdNextV_, &QPushButton::clicked, this, &FrmVnos::next);
    connect(cmdLastV_, &QPushButton::clicked, this, &FrmVnos::last);
}

void FrmVnos::setTabOrder()
{
    QWidget* previous = nullptr;
    auto chain = [&](QWidget* w) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    };
    for (Field f : kTypingOrder)
        chain(box(f));
    for (QWidget* w : {static_cast<QWidget*>(cmdSnimi_), static_cast<QWidget*>(cmdNovaPrijava_),
                       static_cast<QWidget*>(cmdPregled_), static_cast<QWidget*>(cmdFirstV_),
                       static_cast<QWidget*>(cmdPrevV_), static_cast<QWidget*>(cmdNextV_),
                       static_cast<QWidget*>(cmdLastV_)})
        chain(w);
}

void FrmVnos::setPreviewing(bool previewing)
{
    previewing_ = previewing;
    // The preview shows the file as it is: nothing can be typed there, and
    // saving would append a copy of the report shown.
    for (QLineEdit* b : form_->boxes())
        b->setReadOnly(previewing);
    cmdSnimi_->setEnabled(!previewing);
    for (QPushButton* b : {cmdNextV_, cmdPrevV_, cmdFirstV_, cmdLastV_})
        b->setVisible(previewing);
}

void FrmVnos::showCounters()
{
    txtRecordsV_->setText(QString::number(RecordTotal));
    txtPozicijaV_->setText(QString::number(RecordPosition));
}

void FrmVnos::vnesi()
{
    startNewReport();
}

bool FrmVnos::startNewReport()
{
    Recordset& rs = store_->rsCustomers;
    if (rs.RecordCount() >= kMaxRecords) {
        tell(services_.boxes, kFileFullMessage, Icon::Exclamation);
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

    RecordTotal = static_cast<std::int16_t>(rs.RecordCount() + 1);
    RecordPosition = RecordTotal;
    showCounters();
    queueFocus(box(Field::LicenBroj));
    return true;
}

void FrmVnos::snimi()
{
    if (previewing_)
        return;
    Recordset& rs = store_->rsCustomers;
    ReportTexts texts;
    for (int i = 0; i < kFieldCount; ++i)
        texts[i] = textToBytes(box(fieldAt(i))->text());

    auto refuse = [&](const char* message, QWidget* focus) {
        tell(services_.boxes, message, Icon::Exclamation);
        RecordTotal = static_cast<std::int16_t>(rs.RecordCount());
        RecordPosition = RecordTotal;
        showCounters();
        // The boxes keep what was typed, so the report can be completed.
        queueFocus(focus);
    };
    if (const auto incomplete = firstIncompleteField(texts)) {
        refuse(kIncompleteReportMessage, box(*incomplete));
        return;
    }
    if (!rs.AddNew()) {
        refuse(kFileFullMessage, cmdPregled_);
        return;
    }
    for (int i = 0; i < kFieldCount; ++i)
        rs.setField(fieldAt(i), *texts[i]);
    rs.Update();
    // A failed write has been told by the store; the report stays in the
    // store and goes to the file with the next save.
    store_->WriteToFile();

    RecordTotal = static_cast<std::int16_t>(rs.RecordCount());
    RecordPosition = RecordTotal;
    showCounters();
    for (Field f : kTypingOrder)
        box(f)->clear();
    queueFocus(cmdNovaPrijava_);
}

void FrmVnos::pregled()
{
    Recordset& rs = store_->rsCustomers;
    binding_.reset();
    setPreviewing(true);
    // The report being typed is dropped; the preview starts on the last
    // stored report, and the position names the report shown.
    rs.MoveLast();
    binding_ = std::make_unique<RecordBinding>(rs, form_->boxes());
    RecordTotal = static_cast<std::int16_t>(rs.RecordCount());
    RecordPosition = RecordTotal;
    showCounters();
}

void FrmVnos::first()
{
    if (store_->rsCustomers.MoveFirst())
        RecordPosition = 1;
    showCounters();
}

void FrmVnos::last()
{
    if (store_->rsCustomers.MoveLast())
        RecordPosition = RecordTotal;
    showCounters();
}

void FrmVnos::next()
{
    if (RecordPosition + 1 > RecordTotal) {
        tell(services_.boxes, kLastReportMessage);
        RecordPosition = RecordTotal;
    } else if (store_->rsCustomers.MoveNext()) {
        ++RecordPosition;
    }
    showCounters();
}

void FrmVnos::previous()
{
    if (RecordPosition - 1 < 1) {
        tell(services_.boxes, kFirstReportMessage);
        RecordPosition = std::min<std::int16_t>(1, RecordTotal);
    } else if (store_->rsCustomers.MovePrevious()) {
        --RecordPosition;
    }
    showCounters();
}

std::string FrmVnos::fieldText(Field field)
{
    // The validator keeps every box within the code page.
    return textToBytes(box(field)->text()).value_or(std::string());
}

void FrmVnos::setColour(Field field, BoxColour colour)
{
    paintBox(box(field), colour);
}

} // namespace dorvik
