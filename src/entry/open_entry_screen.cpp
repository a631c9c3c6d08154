#include "entry/autofill_dialog.h"
#include "entry/entry_screen.h"
#include "shell/screens.h"

#include <QApplication>

namespace dorvik {

QWidget* openEntryScreen(AppServices services)
{
    // The common values are asked for first, before the file is loaded.
    FrmPopolnuvawe dialog(QApplication::activeWindow());
    dialog.exec();

    auto* screen = new FrmVnos(services);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->show();
    return screen;
}

} // namespace dorvik
