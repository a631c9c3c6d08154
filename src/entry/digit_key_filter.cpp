#include "entry/digit_key_filter.h"

#include "check/numeric_text.h"

#include <QKeyEvent>

namespace dorvik {

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: // some platforms give it the character 127
        return false;
    default:
        break;
    }
    // A key that types nothing passes; a typed character must be a digit.
    return !allDigits(key->text().toStdString());
}

} // namespace dorvik
