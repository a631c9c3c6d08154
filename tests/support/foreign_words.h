// The words a screen of the program must not show: Qt's and the system's
// English, and Cyrillic (the system's Macedonian: the program writes
// Macedonian in Latin letters).
#pragma once

#include <QString>
#include <QStringList>

namespace dorvik::testing {

// The foreign words of the text, each once, in the order they come. Case is
// ignored, access keys' "&" too, and a command line's option names (--help,
// -V) are no words.
QStringList foreignWordsIn(const QString& text);

} // namespace dorvik::testing
