#include "entry/focus_step.h"

#include <QMetaObject>
#include <QWidget>

namespace dorvik {

namespace {
// The program moves the focus for the keyboard user: show it as after Tab,
// so that the focused button is marked too.
void focusForKeyboard(QWidget* w, Qt::FocusReason reason)
{
    w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    w->setFocus(reason);
}

bool isTabStop(QWidget* window, QWidget* w)
{
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled()
           && w->isVisibleTo(window) && w->window() == window && !w->focusProxy();
}
} // namespace

void stepFocus(QWidget* window)
{
    QWidget* from = window->focusWidget();
    if (!from)
        from = window;
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (isTabStop(window, w)) {
            focusForKeyboard(w, Qt::TabFocusReason);
            return;
        }
    }
}

void queueFocusStep(QWidget* window)
{
    // A posted call: delivered in the order queued, dropped with the window.
    QMetaObject::invokeMethod(window, [window] { stepFocus(window); }, Qt::QueuedConnection);
}

void queueFocus(QWidget* widget)
{
    QMetaObject::invokeMethod(
        widget, [widget] { focusForKeyboard(widget, Qt::OtherFocusReason); }, Qt::QueuedConnection);
}

} // namespace dorvik
