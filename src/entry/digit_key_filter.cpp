#include "entry/digit_key_filter.h"

#include "check/numeric_text.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace dorvik {

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::InputMethod) {
        const auto* composed = static_cast<QInputMethodEvent*>(event);
        if (allDigits(composed->commitString().toStdString()))
            return false;
        // The composition goes on as it was; only its result is dropped.
        QInputMethodEvent withoutResult(composed->preeditString(), composed->attributes());
        QCoreApplication::sendEvent(watched, &withoutResult);
        return true;
    }
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
