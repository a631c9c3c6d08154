#include "app/main_window.h"

#include "entry/open_entry_screen.h"
#include "platform/settings_store.h"
#include "review/open_review_screen.h"
#include "transfer/open_transfer_screen.h"
#include "version.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <filesystem>

#include <pwd.h>
#include <unistd.h>

namespace dorvik {

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kStatusText = QStringLiteral("Status");
// Screens opened one after another are placed this far below and right of
// the one before.
constexpr int kCascadeStep = 24;
constexpr const char* kFilter = "Only text (*.*)|*.*";
constexpr const char* kSheetFilter = "Tabeli (*.csv *.txt *.xlsx *.ods)|*.csv *.txt *.xlsx *.ods";

struct Placement {
    const char* key;
    double fallback;
};
constexpr Placement kLeft{"MainLeft", 1000};
constexpr Placement kTop{"MainTop", 1000};
constexpr Placement kWidth{"MainWidth", 6500};
constexpr Placement kHeight{"MainHeight", 6500};

QString userName()
{
    if (const passwd* pw = getpwuid(getuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace

std::string removableMediaFolder()
{
    const QString user = userName();
    for (const QString& base : {QStringLiteral("/media/"), QStringLiteral("/run/media/")}) {
        const QDir dir(base + user);
        const QStringList media = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        if (!media.isEmpty())
            return QFile::encodeName(dir.filePath(media.first())).toStdString();
    }
    return QFile::encodeName(QDir::homePath()).toStdString();
}

MainWindow::MainWindow(AppServices services, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), services_(services), settings_(settings)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Dorvik"));

    QMenu* file = menuBar()->addMenu(QStringLiteral("&IZBOR"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* bar5 = file->addSeparator();
    bar5->setObjectName(QStringLiteral("mnuFileBar5"));
    bar5->setVisible(false);
    QAction* exit = file->addAction(QStringLiteral("K&raj"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("mnuFileExit"));

    QMenu* transfer = menuBar()->addMenu(QStringLiteral("&PRENOS"));
    transfer->setObjectName(QStringLiteral("mnuPrenos"));
    transfer->addAction(QStringLiteral("Vnos na prijavi"), this, &MainWindow::openForEntry)
        ->setObjectName(QStringLiteral("mnuPrenosNaPrijavi"));
    QAction* fromSheet = transfer->addAction(QStringLiteral("Prenos od tabela..."), this,
                                             &MainWindow::openForTransfer);
    fromSheet->setObjectName(QStringLiteral("mnuPrenosOdTabela"));
    fromSheet->setShortcut(QKeySequence(QStringLiteral("Ctrl+T")));

    QMenu* view = menuBar()->addMenu(QStringLiteral("&KONTROLA"));
    view->setObjectName(QStringLiteral("mnuView"));
    view->addAction(QStringLiteral("&Kontrola i korekcija na prijavi..."), this,
                    [this] { openForReview(); })
        ->setObjectName(QStringLiteral("mnuFileOpen"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&POMOS"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    // A separator is shown above "Info" although nothing stands above it.
    help->setSeparatorsCollapsible(false);
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelpBar0"));
    help->addAction(QStringLiteral("&Info"), this, &MainWindow::showVersion)
        ->setObjectName(QStringLiteral("mnuHelpAbout"));

    QStatusBar* status = statusBar();
    status->setObjectName(QStringLiteral("sbStatusBar"));
    statusLabel_ = new QLabel(kStatusText, status);
    statusLabel_->setObjectName(QStringLiteral("lblStatusText"));
    dateLabel_ = new QLabel(status);
    timeLabel_ = new QLabel(status);
    for (QLabel* panel : {statusLabel_, dateLabel_, timeLabel_}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
    }
    status->addWidget(statusLabel_, 1);
    status->addPermanentWidget(dateLabel_);
    status->addPermanentWidget(timeLabel_);
    updateClock();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &MainWindow::updateClock);
    clock->start(1000);

    placeFromSettings();
}

void MainWindow::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    dateLabel_->setText(locale.toString(now.date(), QLocale::ShortFormat));
    timeLabel_->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

void MainWindow::placeFromSettings()
{
    auto read = [this](const Placement& p) {
        return settings_.number(kSection, QString::fromLatin1(p.key)).value_or(p.fallback);
    };
    move(twipsToPixels(read(kLeft)), twipsToPixels(read(kTop)));
    resize(twipsToPixels(read(kWidth)), twipsToPixels(read(kHeight)));
}

void MainWindow::storePlacement()
{
    settings_.setNumber(kSection, QString::fromLatin1(kLeft.key), pixelsToTwips(pos().x()));
    settings_.setNumber(kSection, QString::fromLatin1(kTop.key), pixelsToTwips(pos().y()));
    settings_.setNumber(kSection, QString::fromLatin1(kWidth.key), pixelsToTwips(width()));
    settings_.setNumber(kSection, QString::fromLatin1(kHeight.key), pixelsToTwips(height()));
}

void MainWindow::openForReview()
{
    FileDialogRequest request;
    request.title = "Otvori";
    // The file chosen last, so that Enter opens it again; at first the
    // removable medium.
    if (lastReport_.empty()) {
        request.initialFolder = removableMediaFolder();
    } else {
        const std::filesystem::path last(lastReport_);
        request.initialFolder = last.parent_path().string();
        request.initialName = last.filename().string();
    }
    request.filter = kFilter;
    const std::string path = services_.boxes.openFile(request);
    if (path.empty())
        return;
    openForReview(path);
}

void MainWindow::openForReview(const std::string& path)
{
    lastReport_ = path;
    track(openReviewScreen(services_, {path, false}));
}

// The entry command's dialog: an existing report file or the name of a new one.
FileDialogRequest MainWindow::newReportFileDialog() const
{
    FileDialogRequest request;
    request.title = "Otvori nova datoteka za vnesuvanje ...";
    request.filter = kFilter;
    request.mayNotExist = true;
    return request;
}

void MainWindow::openForEntry()
{
    const std::string path = services_.boxes.openFile(newReportFileDialog());
    if (path.empty())
        return;
    lastReport_ = path;
    const bool created = !services_.files.exists(path);
    if (created) {
        if (const auto error = writeWhole(services_.files, path, "")) {
            tell(services_.boxes, namedFailure(path, *error));
            return;
        }
    }
    track(openEntryScreen(services_, {path, created}));
}

void MainWindow::openForTransfer()
{
    const std::string report = services_.boxes.openFile(newReportFileDialog());
    if (report.empty())
        return;
    lastReport_ = report;
    FileDialogRequest request;
    request.title = "Otvori tabela so podatoci za prijavite";
    request.filter = kSheetFilter;
    // The sheet chosen last, so that Enter opens it again.
    if (!lastSheet_.empty()) {
        const std::filesystem::path last(lastSheet_);
        request.initialFolder = last.parent_path().string();
        request.initialName = last.filename().string();
    }
    const std::string sheet = services_.boxes.openFile(request);
    if (sheet.empty())
        return;
    lastSheet_ = sheet;
    // A report file that is not there yet is made by the first append.
    frmPrenos* screen = openTransferScreen(services_, settings_, {report, false}, sheet);
    if (!screen)
        return;
    connect(screen, &frmPrenos::reviewRequested, this,
            [this](const std::string& path) { openForReview(path); });
    track(screen);
}

void MainWindow::showVersion()
{
    tell(services_.boxes, std::string("Verzija na programot ") + kVersion);
}

void MainWindow::track(Screen* screen)
{
    if (!screen)
        return;
    connect(screen, &Screen::saved, this, [this, screen](const QString& status) {
        showStatus(screen, status);
    });
    connect(screen, &Screen::statusCleared, this, [this, screen] {
        if (statusFrom_ == screen)
            showStatus(nullptr, QString());
    });
    std::erase_if(screens_, [](const QPointer<QWidget>& w) { return w.isNull(); });
    // One step below and right of the screen opened last, so that screens
    // opened together do not hide one another; the first at the top left.
    QPoint place(0, 0);
    if (!screens_.empty())
        place = screens_.back()->pos() + QPoint(kCascadeStep, kCascadeStep);
    if (const QScreen* display = QGuiApplication::primaryScreen()) {
        const QRect room = display->availableGeometry();
        if (!room.contains(place + QPoint(kCascadeStep * 4, kCascadeStep * 4)))
            place = room.topLeft();
    }
    screen->move(place);
    screens_.emplace_back(screen);
}

void MainWindow::showStatus(Screen* from, const QString& status)
{
    statusFrom_ = from;
    // The whole text also in the tooltip: a narrow window cuts the panel.
    statusLabel_->setText(status.isEmpty() ? kStatusText : status);
    statusLabel_->setToolTip(status);
}

std::vector<QWidget*> MainWindow::openScreens() const
{
    std::vector<QWidget*> open;
    for (const auto& screen : screens_)
        if (screen && screen->isVisible())
            open.push_back(screen.data());
    return open;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The most recently opened first. A screen may refuse (a check run is
    // going on): then the program stays open.
    const auto open = openScreens();
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        if (!(*it)->close()) {
            event->ignore();
            return;
        }
    }
    if (!isMinimized())
        storePlacement();
    event->accept();
}

} // namespace dorvik
