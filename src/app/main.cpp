// Start-up: splash, main window loaded from the settings, splash closed,
// main window shown; then a review screen over each file named on the
// command line.
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/splash.h"
#include "platform/program_language.h"
#include "platform/qt_file_system.h"
#include "platform/qt_user_boxes.h"
#include "platform/settings_store.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QIcon>

#include <cstring>

namespace {

// The options, parsed; exits after --help or --version.
QStringList reportFiles(QCoreApplication& app)
{
    QCommandLineParser parser;
    const dorvik::CommandLineOptions options = dorvik::describeCommandLine(parser);
    parser.process(app);
    if (parser.isSet(options.help))
        parser.showHelp();
    if (parser.isSet(options.version))
        parser.showVersion();
    return parser.positionalArguments();
}

// --help and --version answer without a display.
bool onlyAsksForText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-?", "-V", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Dorvik"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(dorvik::kVersion));
    // Qt's own dialogs everywhere (a file dialog opened by a print dialog
    // too), so that they speak the program's language on every desktop.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    if (onlyAsksForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("dorvik"));
        dorvik::installProgramLanguage();
        reportFiles(app);
        return 0;
    }

    QApplication app(argc, argv);
    // Qt's texts in the program's language, whatever the system's locale.
    dorvik::installProgramLanguage();
    // Before the name is set: a wrong option is told as "dorvik: ...", as
    // the other tools tell theirs.
    const QStringList files = reportFiles(app);
    QApplication::setApplicationName(QStringLiteral("Dorvik"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/dorvik.png")));

    auto* splash = new dorvik::Splash;
    splash->show();
    QApplication::processEvents();

    static dorvik::SystemClock clock;
    static dorvik::QtSettingsStore settings;
    dorvik::MainWindow window({dorvik::applicationBoxes(), dorvik::applicationFileSystem(), clock},
                              settings);

    splash->close();
    delete splash;
    window.show();
    for (const QString& file : files)
        window.openForReview(QFile::encodeName(QFileInfo(file).absoluteFilePath()).toStdString());
    return QApplication::exec();
}
