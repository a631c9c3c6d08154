#include "entry/focus_step.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

#include <memory>

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

FocusStepper::FocusStepper(QWidget* window) : QObject(window), window_(window) {}

void FocusStepper::watch(QWidget* box)
{
    box->installEventFilter(this);
}

void FocusStepper::queueStep()
{
    queue(nullptr);
}

void FocusStepper::queueFocus(QWidget* widget)
{
    queue(widget);
}

void FocusStepper::queue(QWidget* target)
{
    queued_.push_back(target);
    if (posted_)
        return;
    posted_ = true;
    // A posted call: delivered after the current event, dropped with the window.
    QMetaObject::invokeMethod(
        this,
        [this] {
            posted_ = false;
            runQueued();
        },
        Qt::QueuedConnection);
}

void FocusStepper::runQueued()
{
    while (!queued_.empty()) {
        QWidget* target = queued_.front();
        queued_.pop_front();
        if (target)
            focusForKeyboard(target, Qt::OtherFocusReason);
        else
            stepFocus(window_);
    }
}

bool FocusStepper::eventFilter(QObject* watched, QEvent* event)
{
    const bool typed = event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod;
    if (!typed || queued_.empty())
        return false;
    runQueued();
    QWidget* now = window_->focusWidget();
    if (!now || now == watched)
        return false;
    // The key goes where the focus went, through that widget's own filters.
    const std::unique_ptr<QEvent> key(event->clone());
    QCoreApplication::sendEvent(now, key.get());
    return true;
}

} // namespace dorvik
