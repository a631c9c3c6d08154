// Start-up: splash, main window loaded from the settings, splash closed,
// main window shown.
#include "platform/qt_file_system.h"
#include "platform/qt_user_boxes.h"
#include "platform/settings_store.h"
#include "app/main_window.h"
#include "app/splash.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvik"));
    QApplication::setOrganizationName(QStringLiteral("Dorvik"));
    QApplication::setApplicationVersion(QString::fromLatin1(dorvik::kVersion));
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
    return QApplication::exec();
}
