#include "transfer/frm_prenos.h"

#include "data/customer_data_source.h"
#include "import/append_rows.h"
#include "import/mapping_memory.h"
#include "import/rejected_rows.h"
#include "import/sheet_file.h"
#include "platform/settings_store.h"
#include "platform/windows_1251.h"
#include "shell/module1.h"
#include "shell/row_list.h"
#include "transfer/mapping_editor.h"
#include "transfer/preview_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QTableView>
#include <QVBoxLayout>

#include <filesystem>

namespace dorvik {

namespace {

const QString kSection = QStringLiteral("Prenos");

QString fromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

QString separatorName(char separator)
{
    return separator == '\t' ? QStringLiteral("TAB") : QString(QLatin1Char(separator));
}

QString encodingLabel(import::TextEncoding encoding)
{
    switch (encoding) {
    case import::TextEncoding::Utf8: return QStringLiteral("UTF-8");
    case import::TextEncoding::Utf16Le: return QStringLiteral("UTF-16LE");
    case import::TextEncoding::Utf16Be: return QStringLiteral("UTF-16BE");
    case import::TextEncoding::Windows1251: return QStringLiteral("Windows-1251");
    case import::TextEncoding::Auto: break;
    }
    return QStringLiteral("Avtomatski");
}

QLabel* fileLine(const char* caption, const std::string& path, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(caption) + fromPath(path), parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

std::string appendDespiteFailuresQuestion(int failed, int good)
{
    return std::to_string(failed) + " redovi so greski nema da bidat dodadeni. Da se dodadat "
           + std::to_string(good) + " ispravni prijavi?";
}

std::string changedMeanwhileMessage(const std::string& name)
{
    return "Datotekata " + name + " e promeneta od drug prozorec ili program otkako e procitana. "
           "Nisto ne e dodadeno: redovite se provereni povtorno so ona sto e sega vo nea.";
}

std::string importSummary(const import::ImportPlan& plan)
{
    const int good = static_cast<int>(plan.rows.size()) - plan.failed;
    return "Redovi: " + std::to_string(plan.rows.size()) + "  Ispravni: " + std::to_string(good)
           + "  So greski: " + std::to_string(plan.failed) + "  Prazni: " + std::to_string(plan.emptyRows);
}

frmPrenos::frmPrenos(AppServices services, SettingsStore& settings, const ReportFile& report,
                     std::string sheetPath, QWidget* parent)
    : Screen(services, report, parent), settings_(settings), sheetPath_(std::move(sheetPath))
{
    setObjectName(QStringLiteral("frmPrenos"));
    setCaption(QStringLiteral("Prenos na prijavi od tabela"));

    separatorBox_ = new QComboBox(this);
    separatorBox_->setObjectName(QStringLiteral("cboRazdelnik"));
    separatorBox_->setToolTip(QStringLiteral("Znakot sto gi deli kolonite vo tekstualna tabela"));
    separatorBox_->addItem(QStringLiteral("Avtomatski"), 0);
    separatorBox_->addItem(QStringLiteral("; (tocka i zapirka)"), int(';'));
    separatorBox_->addItem(QStringLiteral(", (zapirka)"), int(','));
    separatorBox_->addItem(QStringLiteral("TAB"), int('\t'));
    encodingBox_ = new QComboBox(this);
    encodingBox_->setObjectName(QStringLiteral("cboKodiranje"));
    encodingBox_->setToolTip(QStringLiteral("Kodiranjeto na znacite vo tekstualna tabela"));
    for (const auto e : {import::TextEncoding::Auto, import::TextEncoding::Utf8, import::TextEncoding::Utf16Le,
                         import::TextEncoding::Utf16Be, import::TextEncoding::Windows1251})
        encodingBox_->addItem(encodingLabel(e), static_cast<int>(e));
    headerCheck_ = new QCheckBox(QStringLiteral("Prviot red e naslov na kolonite"), this);
    headerCheck_->setObjectName(QStringLiteral("chkNaslov"));
    amountsCheck_ = new QCheckBox(QStringLiteral("iznosot vo tabelata e kako vo poleto"), this);
    amountsCheck_->setObjectName(QStringLiteral("chkIznos"));
    amountsCheck_->setToolTip(QStringLiteral("Iznosite se 9 cifri kako vo prijavata: denari i dve cifri deni"));

    auto* separatorLabel = new QLabel(QStringLiteral("&Razdelnik:"), this);
    separatorLabel->setBuddy(separatorBox_);
    auto* encodingLabel = new QLabel(QStringLiteral("&Kodiranje:"), this);
    encodingLabel->setBuddy(encodingBox_);
    auto* options = new QHBoxLayout;
    options->addWidget(separatorLabel);
    options->addWidget(separatorBox_);
    options->addSpacing(12);
    options->addWidget(encodingLabel);
    options->addWidget(encodingBox_);
    options->addSpacing(12);
    options->addWidget(headerCheck_);
    options->addSpacing(12);
    options->addWidget(amountsCheck_);
    options->addStretch(1);

    mapping_ = new MappingEditor(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(mapping_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(mapping_->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
    auto* fields = new QGroupBox(QStringLiteral("Polinja na prijavata"), this);
    auto* fieldsLayout = new QVBoxLayout(fields);
    fieldsLayout->addWidget(scroll);

    filterBox_ = new QComboBox(this);
    filterBox_->setObjectName(QStringLiteral("cboPrikaz"));
    filterBox_->addItem(QStringLiteral("site"));
    filterBox_->addItem(QStringLiteral("samo so greski"));
    auto* filterLabel = new QLabel(QStringLiteral("&Prikazi redovi:"), this);
    filterLabel->setBuddy(filterBox_);
    model_ = new PreviewModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tblPregled"));
    table_->setModel(model_);
    // Every column as wide as its field: the view measures nothing.
    setUpRowList(table_);
    const QFontMetrics metrics = table_->fontMetrics();
    auto widthOf = [&](int characters) { return metrics.horizontalAdvance(QString(characters, QLatin1Char('0'))) + 16; };
    table_->setColumnWidth(PreviewModel::kRowColumn, widthOf(6));
    table_->setColumnWidth(PreviewModel::kStatusColumn, widthOf(9));
    for (int i = 0; i < kFieldCount; ++i) {
        // An identifier that gained zeros shows both: "615 -> 0000000615".
        const Field f = fieldAt(i);
        const bool identifier = f == Field::LicenBroj || f == Field::MaticenBroj || f == Field::RegistarskiBroj;
        const int characters = identifier ? 2 * FieldWidths[i] + 3 : std::min<int>(FieldWidths[i], 20);
        table_->setColumnWidth(PreviewModel::kFirstFieldColumn + i,
                               std::max(widthOf(characters), metrics.horizontalAdvance(
                                   model_->headerData(PreviewModel::kFirstFieldColumn + i, Qt::Horizontal,
                                                      Qt::DisplayRole).toString()) + 16));
    }
    table_->setColumnWidth(PreviewModel::kProblemsColumn, widthOf(70));
    auto* previewBox = new QWidget(this);
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filterBox_);
    filterRow->addStretch(1);
    previewLayout->addLayout(filterRow);
    previewLayout->addWidget(table_);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(fields);
    splitter->addWidget(previewBox);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    summaryLabel_ = new QLabel(this);
    summaryLabel_->setObjectName(QStringLiteral("lblRedovi"));
    rejectedButton_ = new QPushButton(QStringLiteral("Zacuvaj gi odbienite..."), this);
    rejectedButton_->setObjectName(QStringLiteral("cmdOdbieni"));
    rejectedButton_->setToolTip(QStringLiteral("Redovite so greski, vo CSV so kolona Greska, za da se popravat vo tabelata"));
    appendButton_ = new QPushButton(this);
    appendButton_->setObjectName(QStringLiteral("cmdDodaj"));
    auto* cmdZatvori = new QPushButton(QStringLiteral("Zatvori"), this);
    cmdZatvori->setObjectName(QStringLiteral("cmdZatvori"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summaryLabel_);
    buttons->addStretch(1);
    buttons->addWidget(rejectedButton_);
    buttons->addWidget(appendButton_);
    buttons->addWidget(cmdZatvori);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileLine("Datoteka so prijavi: ", reportFile().path, this));
    layout->addWidget(fileLine("Tabela: ", sheetPath_, this));
    layout->addLayout(options);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(1180, 700);

    connect(separatorBox_, &QComboBox::activated, this, [this] {
        if (readSheet())
            chooseMapping();
    });
    connect(encodingBox_, &QComboBox::activated, this, [this] {
        if (readSheet())
            chooseMapping();
    });
    connect(headerCheck_, &QCheckBox::toggled, this, [this](bool header) {
        import::Mapping mapping = mapping_->mapping();
        if (header && !sheet_.rows.empty() && sheet_.rows.front().unreadable.empty())
            mapping = import::mappingFromHeader(sheet_.rows.front());
        mapping.header = header;
        showColumns();
        mapping_->setMapping(mapping);
        replan();
    });
    connect(amountsCheck_, &QCheckBox::toggled, this, &frmPrenos::replan);
    connect(mapping_, &MappingEditor::changed, this, &frmPrenos::replan);
    // While a value is typed, the rows are checked again once the keys pause:
    // a large sheet takes a moment.
    replanSoon_ = new QTimer(this);
    replanSoon_->setSingleShot(true);
    replanSoon_->setInterval(300);
    connect(replanSoon_, &QTimer::timeout, this, &frmPrenos::replan);
    connect(mapping_, &MappingEditor::valueTyped, replanSoon_, qOverload<>(&QTimer::start));
    connect(filterBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_->setFilter(index == 1 ? PreviewModel::Filter::FailedOnly : PreviewModel::Filter::All);
    });
    connect(appendButton_, &QPushButton::clicked, this, &frmPrenos::append);
    connect(rejectedButton_, &QPushButton::clicked, this, &frmPrenos::saveRejected);
    connect(cmdZatvori, &QPushButton::clicked, this, &QWidget::close);
}

frmPrenos::~frmPrenos()
{
    // The model shows the plan: it lets go of it first.
    model_->setPlan(nullptr);
}

bool frmPrenos::open()
{
    const import::SheetFile file = import::loadSheetFile(services().files, sheetPath_);
    if (!file.error.empty()) {
        tell(services().boxes, namedFailure(sheetPath_, file.error));
        return false;
    }
    sheetBytes_ = file.bytes;
    if (!readSheet())
        return false;
    // A report file that is not there yet is made by the first append.
    reportWasMissing_ = readThrough(services().files, reportFile().path).missing;
    store_ = std::make_unique<CustomerDataSource>(CustomerDataSource::Options{reportFile().path, reportWasMissing_},
                                                  services().files, services().boxes);
    if (store_->readError())
        return false;
    if (!store_->loadedCompletely()) {
        tell(services().boxes, kIncompleteSaveMessage, Icon::Critical);
        return false;
    }
    chooseMapping();
    return true;
}

import::TextSheetOptions frmPrenos::textOptions() const
{
    import::TextSheetOptions options;
    if (const int separator = separatorBox_->currentData().toInt())
        options.separator = static_cast<char>(separator);
    options.encoding = static_cast<import::TextEncoding>(encodingBox_->currentData().toInt());
    return options;
}

bool frmPrenos::readSheet()
{
    import::SheetResult read = import::readSheet(sheetBytes_, sheetPath_, textOptions());
    if (!read.error.empty()) {
        tell(services().boxes, read.error);
        return false;
    }
    sheet_ = std::move(read.sheet);
    const bool text = sheet_.kind == import::SheetKind::Text;
    separatorBox_->setEnabled(text);
    encodingBox_->setEnabled(text);
    separatorBox_->setItemText(0, text ? QStringLiteral("Avtomatski (") + separatorName(sheet_.separator) + ")"
                                       : QStringLiteral("Avtomatski"));
    encodingBox_->setItemText(0, text ? QStringLiteral("Avtomatski (") + encodingLabel(sheet_.encoding) + ")"
                                      : QStringLiteral("Avtomatski"));
    return true;
}

// The sheet's header first; over it what was chosen the last time; the
// fields still without a source take the entry screen's auto-fill values.
void frmPrenos::chooseMapping()
{
    const import::SheetRow* header = import::headerRow(sheet_);
    import::Mapping mapping = header ? import::mappingFromHeader(*header) : import::Mapping{};
    import::RememberedMapping remembered;
    for (int i = 0; i < kFieldCount; ++i) {
        const std::string_view name = fieldName(fieldAt(i));
        if (const auto text = settings_.text(kSection, QString::fromLatin1(name.data(), name.size())))
            remembered[i] = text->toStdString();
    }
    import::recall(mapping, header, remembered);
    const std::pair<Field, const std::string*> autoFill[] = {
        {Field::Godina, &Module1::AutoGodina},         {Field::RegistarskiBroj, &Module1::AutoRegistarskiBroj},
        {Field::Firma, &Module1::AutoFirma},           {Field::EfektStaz, &Module1::AutoEfektStaz},
        {Field::StepenZgolem, &Module1::AutoStepenZgolem}, {Field::SifraStaz, &Module1::AutoEfektStaz}};
    for (const auto& [field, value] : autoFill)
        if (mapping[field].kind == import::SourceKind::None && !value->empty())
            mapping[field] = {import::SourceKind::Fixed, -1, -1, windows1251ToUtf8(*value)};

    const QSignalBlocker block(headerCheck_);
    headerCheck_->setChecked(mapping.header);
    showColumns();
    mapping_->setMapping(mapping);
    replan();
}

void frmPrenos::showColumns()
{
    std::size_t count = 0;
    for (const import::SheetRow& row : sheet_.rows)
        count = std::max(count, row.cells.size());
    const bool header = headerCheck_->isChecked() && !sheet_.rows.empty();
    QStringList columns;
    for (std::size_t c = 0; c < count; ++c) {
        QString name = QString::fromStdString(import::columnName(static_cast<int>(c)));
        if (header && c < sheet_.rows.front().cells.size()) {
            const std::string_view text = sheet_.rows.front().cells[c].text;
            name += QStringLiteral(": ")
                    + QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).simplified();
        }
        columns << name;
    }
    mapping_->setColumns(columns);
}

void frmPrenos::replan()
{
    replanSoon_->stop();
    import::Mapping mapping = mapping_->mapping();
    mapping.header = headerCheck_->isChecked();
    import::PlanOptions options;
    options.normalise.amounts = amountsCheck_->isChecked() ? import::AmountUnit::FieldDigits : import::AmountUnit::Denari;
    options.currentYear = currentTwoDigitYear(services().clock);
    model_->setPlan(nullptr);
    plan_ = import::planImport(sheet_, mapping, options, store_->rsCustomers.records());
    model_->setPlan(&plan_);
    showCounts();
}

void frmPrenos::showCounts()
{
    summaryLabel_->setText(QString::fromStdString(importSummary(plan_)));
    appendButton_->setText(QStringLiteral("Dodaj gi ispravnite (%1)").arg(plan_.good));
    appendButton_->setEnabled(plan_.good > 0);
    rejectedButton_->setEnabled(plan_.failed > 0);
}

void frmPrenos::append()
{
    // What is shown is what is added.
    if (replanSoon_->isActive())
        replan();
    if (plan_.good == 0)
        return;
    // The rows were checked against the file as it was read; when another
    // window or program has written it since, they are checked again
    // against what it holds now, and the user looks before adding.
    const std::string name = std::filesystem::path(reportFile().path).filename().string();
    if (!(reportWasMissing_ && readThrough(services().files, reportFile().path).missing)
        && store_->changedOnDisk()) {
        tell(services().boxes, changedMeanwhileMessage(name), Icon::Exclamation);
        reportWasMissing_ = false;
        store_->reload();
        replan();
        return;
    }
    if (plan_.failed > 0
        && !askYesNo(services().boxes, appendDespiteFailuresQuestion(plan_.failed, plan_.good)))
        return;
    const int added = plan_.good;
    const bool written = import::appendGoodRows(*store_, plan_, services().boxes);
    if (abandoned())
        return;
    model_->refresh();
    showCounts();
    if (!written) {
        clearStatus();
        return;
    }
    reportWasMissing_ = false;
    reportSave(*store_);
    remember();
    if (askYesNo(services().boxes, import::addedMessage(added, name) + " Da se otvori datotekata za kontrola?"))
        emit reviewRequested(reportFile().path);
}

void frmPrenos::saveRejected()
{
    if (replanSoon_->isActive())
        replan();
    if (plan_.failed == 0)
        return;
    const std::filesystem::path sheet(sheetPath_);
    FileDialogRequest request;
    request.title = "Zacuvaj gi odbienite redovi";
    request.initialFolder = sheet.parent_path().string();
    request.initialName = sheet.stem().string() + "-odbieni.csv";
    request.filter = "CSV (*.csv)|*.csv";
    request.mayNotExist = true;
    const std::string path = services().boxes.saveFile(request);
    if (path.empty())
        return;
    if (const auto error = writeWhole(services().files, path, import::rejectedRowsCsv(sheet_, plan_)))
        tell(services().boxes, namedFailure(path, *error));
}

void frmPrenos::remember()
{
    import::Mapping mapping = mapping_->mapping();
    const import::RememberedMapping remembered =
        import::remember(mapping, headerCheck_->isChecked() ? import::headerRow(sheet_) : nullptr);
    for (int i = 0; i < kFieldCount; ++i) {
        const std::string_view name = fieldName(fieldAt(i));
        settings_.setText(kSection, QString::fromLatin1(name.data(), name.size()),
                          remembered[i] ? QString::fromStdString(*remembered[i]) : QString());
    }
}

bool frmPrenos::mayClose()
{
    // Nothing of the user's is lost: the sheet is where it was, and what
    // was chosen is kept for the next import.
    remember();
    return true;
}

} // namespace dorvik
