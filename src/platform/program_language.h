// Qt's own texts (the boxes' buttons, the file dialog, context menus, the
// command line's help) in the program's language, as its own texts are,
// whatever the system's locale.
#pragma once

namespace dorvik {

// Installs the program's translation of Qt's texts into the running
// application. Where the system names no locale (LANG=C), dates, times and
// numbers take Macedonian forms ("7.12.26", "15:42") rather than Qt's C
// forms with English month names; a locale the user chose stays in force.
// False when the translation could not be loaded: Qt's texts stay English.
bool installProgramLanguage();

} // namespace dorvik
