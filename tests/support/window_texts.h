// Every text a window can show the user, shown yet or not: its caption,
// labels, buttons, group boxes, menus and actions (submenus too), combo
// boxes' items, item views' headers and rows, tab captions, placeholders,
// tooltips, status tips and the names a screen reader speaks.
#pragma once

#include <QStringList>

class QWidget;

namespace dorvik::testing {

QStringList textsOf(QWidget* window);

} // namespace dorvik::testing
