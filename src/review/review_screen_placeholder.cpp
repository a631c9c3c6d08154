#include "shell/screens.h"
#include <QLabel>
namespace dorvik {
QWidget* openReviewScreen(AppServices)
{
    auto* w = new QLabel(QStringLiteral("Pregled i kontrola na prijavi..."));
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(QStringLiteral("Pregled i kontrola na prijavi..."));
    w->show();
    return w;
}
} // namespace dorvik
