#include "shell/screens.h"
#include <QLabel>
namespace dorvik {
QWidget* openEntryScreen(AppServices)
{
    auto* w = new QLabel(QStringLiteral("Vnos na novi prijavi..."));
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(QStringLiteral("Vnos na novi prijavi..."));
    w->show();
    return w;
}
} // namespace dorvik
