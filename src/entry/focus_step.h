// The focus advance of one window: steps forward in its tab order, as the
// Tab key would go (skipping widgets that are not tab stops, hidden or
// disabled), and moves to a given widget. Both are queued: they happen after
// the current event has been handled, in the order queued. A key typed
// before they have happened goes where they lead, as if they had happened
// already: typing faster than the screen repaints loses nothing.
#pragma once

#include <QObject>

#include <deque>

class QWidget;

namespace dorvik {

// Moves the focus of window one step on from its current focus widget.
void stepFocus(QWidget* window);

class FocusStepper : public QObject {
    Q_OBJECT
public:
    explicit FocusStepper(QWidget* window);

    // Watches a box for keys that arrive while moves are queued (install it
    // after any other filter of the box, so that it sees them first).
    void watch(QWidget* box);

    // Queues one step forward.
    void queueStep();
    // Queues putting the focus into widget.
    void queueFocus(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void queue(QWidget* target);
    void runQueued();

    QWidget* window_;
    // nullptr: a step; otherwise the widget to put the focus into.
    std::deque<QWidget*> queued_;
    bool posted_ = false;
};

} // namespace dorvik
