// The focus advance: one step forward in a window's tab order, as the Tab key
// would go, skipping widgets that are not tab stops, hidden or disabled. The
// queued form runs after the current event has been handled; steps queued
// one after the other are delivered in that order.
#pragma once

class QWidget;

namespace dorvik {

// Moves the focus of window one step on from its current focus widget.
void stepFocus(QWidget* window);

// Queues one such step.
void queueFocusStep(QWidget* window);

// Queues putting the focus into widget (after any steps queued before).
void queueFocus(QWidget* widget);

} // namespace dorvik
